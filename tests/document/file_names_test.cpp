#include "document/file_names.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, UntitledMarkerAndSavedAsCaptionOfBareNameWithAsciiLettersLowered)
{
    EXPECT_EQ(NoName, QString::fromUtf8("»noname«"));
    EXPECT_EQ(savedAsCaption("C:\\Web\\Index.HTM"), "index.htm");
    EXPECT_EQ(savedAsCaption("/home/ann/Site/ÄRGER.Html"), "Ärger.html");
    EXPECT_EQ(savedAsCaption("C:NOTES.HTM"), "notes.htm");
    EXPECT_EQ(savedAsCaption("PLAIN"), "plain");
    EXPECT_EQ(savedAsCaption("dir/"), "");
}

} // namespace
