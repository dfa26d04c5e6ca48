#include "core/color_value.h"

QString ColorToHTML(quint32 value)
{
    return QStringLiteral("#%1%2%3")
        .arg(redOf(value), 2, 16, QLatin1Char('0'))
        .arg(greenOf(value), 2, 16, QLatin1Char('0'))
        .arg(blueOf(value), 2, 16, QLatin1Char('0'))
        .toUpper();
}
