#include "controls/color_convert.h"

#include "core/color_value.h"

QColor toQColor(quint32 value)
{
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

quint32 fromQColor(const QColor &color)
{
    return colorValue(color.red(), color.green(), color.blue());
}
