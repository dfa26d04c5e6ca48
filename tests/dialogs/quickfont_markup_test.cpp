#include "dialogs/quickfont_markup.h"

#include <gtest/gtest.h>

TEST(QuickFontMarkup, SizeAsTypedColourAsHtmlAndFaceInOneStartTag)
{
    const struct {
        QuickFontValues values;
        const char *tag;
    } rows[] = {
        {{"2", 0x000000, "Courier New"}, R"(<FONT SIZE="2" COLOR="#000000" FACE="Courier New">)"},
        {{"+1", 0x0000FF, "Arial"}, R"(<FONT SIZE="+1" COLOR="#FF0000" FACE="Arial">)"},
        {{"", 0x563412, "%1 x"}, R"(<FONT SIZE="" COLOR="#123456" FACE="%1 x">)"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(quickFontTag(row.values), row.tag) << row.tag;
}
