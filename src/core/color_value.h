#pragma once

#include <QString>
#include <QtGlobal>

// A colour value as the store and the colour dialogs keep it: 0x00BBGGRR, red in the low byte.
// The top byte is carried along untouched wherever a value is only shown and written back.
constexpr quint32 colorValue(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

constexpr int redOf(quint32 value)
{
    return int(value & 0xFF);
}
constexpr int greenOf(quint32 value)
{
    return int(value >> 8 & 0xFF);
}
constexpr int blueOf(quint32 value)
{
    return int(value >> 16 & 0xFF);
}

// The HTML colour text of a colour value: "#" and six upper-case hex digits, red first; the top
// byte is dropped.
QString ColorToHTML(quint32 value);
