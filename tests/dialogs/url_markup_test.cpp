#include "dialogs/url_markup.h"

#include <gtest/gtest.h>

TEST(UrlMarkup, JoinsTheProtocolAndTheThreePartsWithTwoSlashesAlways)
{
    const struct {
        UrlValues values;
        const char *url;
    } rows[] = {
        {{"http://", "", "", ""}, "http:////"},
        {{"http://", "www.example.org", "", "index.htm"}, "http://www.example.org//index.htm"},
        {{"ftp://", "ftp.example.org", "pub", "a.zip"}, "ftp://ftp.example.org/pub/a.zip"},
        {{"mailto:", "ann@example.org", "", ""}, "mailto:ann@example.org//"},
        {{"news: ", " host ", "/a/", " b "}, "news:  host //a// b "},
    };
    for (const auto &row : rows)
        EXPECT_EQ(builtUrl(row.values), row.url) << row.url;
}
