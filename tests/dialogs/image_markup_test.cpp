#include "dialogs/image_markup.h"

#include <gtest/gtest.h>

TEST(ImageMarkup, WritesTheSourceThenTheAltTextWhenThereIsOne)
{
    const struct {
        ImageValues values;
        const char *element;
    } rows[] = {
        {{"pic.gif", ""}, "<IMG SRC=\"pic.gif\">"},
        {{"pic.gif", "Logo"}, "<IMG SRC=\"pic.gif\" ALT=\"Logo\">"},
        {{"", ""}, "<IMG SRC=\"\">"},
        {{" a b ", " "}, "<IMG SRC=\" a b \" ALT=\" \">"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(imageElement(row.values), row.element) << row.element;
}
