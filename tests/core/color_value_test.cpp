#include "core/color_value.h"

#include <gtest/gtest.h>

TEST(ColorValue, RedIsTheLowByteAndBlueTheThird)
{
    EXPECT_EQ(colorValue(0xFF, 0, 0), 0x000000FFu);
    EXPECT_EQ(colorValue(0, 0xFF, 0), 0x0000FF00u);
    EXPECT_EQ(colorValue(0, 0, 0xFF), 0x00FF0000u);
    EXPECT_EQ(colorValue(0x12, 0x34, 0x56), 0x00563412u);
}

TEST(ColorValue, PartsComeBackAndTheTopByteIsIgnored)
{
    const quint32 teal = 0xFF808000u;
    EXPECT_EQ(redOf(teal), 0x00);
    EXPECT_EQ(greenOf(teal), 0x80);
    EXPECT_EQ(blueOf(teal), 0x80);
    EXPECT_EQ(colorValue(redOf(0x00563412u), greenOf(0x00563412u), blueOf(0x00563412u)),
              0x00563412u);
}

TEST(ColorValue, ColorToHTMLWritesRedGreenBlueInUpperCase)
{
    EXPECT_EQ(ColorToHTML(colorValue(0xFF, 0, 0)), "#FF0000");
    EXPECT_EQ(ColorToHTML(0x123456u), "#563412");
    EXPECT_EQ(ColorToHTML(0xFFABCDEFu), "#EFCDAB");
    EXPECT_EQ(ColorToHTML(0), "#000000");
}
