#include "dialogs/colormix_markup.h"

#include "core/color_value.h"

namespace {

QString componentText(int value)
{
    return QStringLiteral("#%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

ColorMix colorMix(int red, int green, int blue)
{
    return {componentText(red), componentText(green), componentText(blue),
            ColorToHTML(colorValue(red, green, blue))};
}
