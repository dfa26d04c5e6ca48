#include "dialogs/anchor_markup.h"

#include <gtest/gtest.h>

TEST(AnchorMarkup, WritesHrefThenTheOptionalTargetAndNameThenTheDescription)
{
    const struct {
        AnchorValues values;
        const char *element;
    } rows[] = {
        {{"a.htm", "Home", "", ""}, "<A HREF=\"a.htm\">Home</A>"},
        {{"a.htm", "Home", "main", "top"},
         "<A HREF=\"a.htm\" TARGET=\"main\" NAME=\"top\">Home</A>"},
        {{"a.htm", "", "", "top"}, "<A HREF=\"a.htm\" NAME=\"top\"></A>"},
        {{"a.htm", "", "main", ""}, "<A HREF=\"a.htm\" TARGET=\"main\"></A>"},
        {{" x\"y ", "<B>", " ", ""}, "<A HREF=\" x\"y \" TARGET=\" \"><B></A>"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(anchorElement(row.values), row.element) << row.element;
}
