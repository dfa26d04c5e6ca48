#pragma once

#include <QColor>

// Colour values (0x00BBGGRR) meet Qt's colours only at the widget edge.
QColor toQColor(quint32 value);
quint32 fromQColor(const QColor &color);
