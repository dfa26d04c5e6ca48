#include "document/file_names.h"

#include <gtest/gtest.h>

namespace {

TEST(SavedAsCaption, BareNameWithAsciiLettersLowered)
{
    EXPECT_EQ(savedAsCaption("C:\\Web\\Index.HTM"), "index.htm");
    EXPECT_EQ(savedAsCaption("/home/ann/Site/ÄRGER.Html"), "Ärger.html");
    EXPECT_EQ(savedAsCaption("C:NOTES.HTM"), "notes.htm");
    EXPECT_EQ(savedAsCaption("PLAIN"), "plain");
    EXPECT_EQ(savedAsCaption("dir/"), "");
}

TEST(SavedAsCaption, MarkerIsEightCharacters)
{
    EXPECT_EQ(NoName.size(), 8);
    EXPECT_EQ(NoName.front().unicode(), 0xBB);
    EXPECT_EQ(NoName.back().unicode(), 0xAB);
}

} // namespace
