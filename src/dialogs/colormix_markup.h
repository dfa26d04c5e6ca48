#pragma once

#include <QString>

// What the colour mixer shows and yields for its three slider positions (0 to 255 each).
struct ColorMix {
    QString red, green, blue; // "#" and two upper-case hex digits
    QString color;            // "#" and red, green, blue as two upper-case hex digits each
};

ColorMix colorMix(int red, int green, int blue);
