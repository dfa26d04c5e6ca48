#include "dialogs/colormix_markup.h"

#include <gtest/gtest.h>

TEST(ColorMixMarkup, EachComponentAndTheMixAsUpperCaseHexPairs)
{
    const struct {
        int red, green, blue;
        const char *values[3];
        const char *color;
    } rows[] = {
        {0, 0, 0, {"#00", "#00", "#00"}, "#000000"},
        {255, 128, 0, {"#FF", "#80", "#00"}, "#FF8000"},
        {1, 171, 16, {"#01", "#AB", "#10"}, "#01AB10"},
    };
    for (const auto &row : rows) {
        const ColorMix mix = colorMix(row.red, row.green, row.blue);
        EXPECT_EQ(mix.red, row.values[0]) << row.color;
        EXPECT_EQ(mix.green, row.values[1]) << row.color;
        EXPECT_EQ(mix.blue, row.values[2]) << row.color;
        EXPECT_EQ(mix.color, row.color);
    }
}
