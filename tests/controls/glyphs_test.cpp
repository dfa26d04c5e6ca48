#include "controls/glyphs.h"

#include <gtest/gtest.h>

namespace {

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

// A glyph whose resource or SVG support is missing draws nothing.
TEST(Glyphs, EveryGlyphDrawsAtSmallAndLargeSizes)
{
    for (int glyph = 0; glyph <= int(Glyph::DocumentIcon); ++glyph) {
        for (int size : {16, 48}) {
            const QImage image = glyphIcon(Glyph(glyph)).pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << "glyph " << glyph;
            EXPECT_GT(opaquePixels(image), size * size / 20) << "glyph " << glyph << " at " << size;
        }
    }
}

TEST(Glyphs, ToolbarBackgroundShadesFromLightToDarkOverItsWholeSize)
{
    const QImage image = toolbarBackground(800, 41).toImage();
    const auto near = [](QRgb pixel, QColor expected) {
        return qAbs(qRed(pixel) - expected.red()) <= 3 && qAbs(qBlue(pixel) - expected.blue()) <= 3;
    };
    EXPECT_TRUE(near(image.pixel(10, 0), QColor(0xf6, 0xf7, 0xf9)));
    EXPECT_TRUE(near(image.pixel(790, 40), QColor(0xdc, 0xe1, 0xe8)));
}
