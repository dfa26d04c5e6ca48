#include "controls/explbtn_rules.h"

#include <algorithm>

namespace {

struct Thresholds {
    int white, highlight, shadow;
};

// Per TExplorerButtonShadingType.
constexpr Thresholds Shadings[] = {{205, 127, 68}, {553, 231, 57}, {335, 274, 175}};

// Below mid grey: the glyphs are drawn in colour, so "black" takes in every dark ink.
constexpr int DarkBelow = 3 * 128;

int brightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

// Calls paint(pixel) for every pixel not in the top-left colour, or for every pixel in it when
// clearOnes is set; paint returns its new value.
template <typename Paint>
QImage repainted(const QImage &picture, Paint paint, bool clearOnes = false)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    const QRgb transparent = result.pixel(0, 0);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] == transparent) == clearOnes)
                line[x] = paint(line[x]);
        }
    }
    return result;
}

QRgb withAlpha(QColor colour, QRgb pixel)
{
    return qRgba(colour.red(), colour.green(), colour.blue(), qAlpha(pixel));
}

} // namespace

ButtonPlaces layoutButton(const ButtonLayoutInput &in)
{
    const int W = in.button.width(), H = in.button.height();
    const bool hasCaption = !in.caption.isEmpty();
    const int spacing = hasCaption ? 2 : 0;
    int cw = hasCaption ? std::min(in.caption.width(), W - 4) : 0;
    const int ch = hasCaption ? in.caption.height() : 0;
    const int pw = in.picture.width() + (in.popupMark ? 10 : 0), ph = in.picture.height();
    int px = 0, py = 0, cx = 0, cy = 0;
    const auto place = [&](int width) {
        switch (in.alignment) {
        case taLeftJustify:
            return 3;
        case taRightJustify:
            return W - width - 3;
        case taCenter:
            break;
        }
        return (W - width) / 2;
    };
    if (in.picture.isEmpty()) {
        const int placing = in.popupMark ? cw + 10 : cw;
        if (in.popupMark)
            cw = std::min(cw, W - 14);
        cy = (H - ch) / 2;
        cx = place(placing);
    } else if (in.layout == blBitmapTop || in.layout == blBitmapBottom) {
        const int top = (H - (ph + ch + spacing)) / 2;
        py = in.layout == blBitmapTop ? top : top + ch + spacing;
        cy = in.layout == blBitmapTop ? top + ph + spacing : top;
        px = place(pw);
        cx = place(cw);
    } else {
        if (W - 4 < pw + cw + spacing)
            cw = W - 4 - spacing - pw;
        py = (H - ph) / 2;
        cy = (H - ch) / 2;
        const int first = place(pw + cw + spacing);
        if (in.layout == blBitmapLeft) {
            px = first;
            cx = px + pw + spacing;
        } else {
            cx = first;
            px = cx + cw + spacing;
        }
    }
    if (in.wordWrap)
        cw = std::min(cw, W - 5 - cx);
    return {QPoint(px, py), QRect(cx, cy, cw, ch)};
}

QString withoutAccelerators(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

QImage transparentPicture(const QImage &picture)
{
    return repainted(
        picture, [](QRgb) { return QRgb(0); }, true);
}

QImage greyPicture(const QImage &picture, TExplorerButtonShadingType shading, QColor highlight,
                   QColor shadow)
{
    const Thresholds limit = Shadings[shading];
    return repainted(picture, [&](QRgb pixel) {
        const int s = brightness(pixel);
        if (s > limit.white)
            return qRgba(255, 255, 255, qAlpha(pixel));
        if (s > limit.highlight)
            return withAlpha(highlight, pixel);
        if (s > limit.shadow)
            return withAlpha(shadow, pixel);
        return qRgba(0, 0, 0, qAlpha(pixel));
    });
}

QImage stampedPicture(const QImage &picture, QColor colour)
{
    return repainted(transparentPicture(picture), [&](QRgb pixel) {
        return brightness(pixel) < DarkBelow ? withAlpha(colour, pixel) : QRgb(0);
    });
}

QImage checkerPattern(QSize size, QColor face, QColor highlight)
{
    QImage pattern(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(pattern.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = ((x + y) % 2 == 0 ? highlight : face).rgba();
    }
    return pattern;
}
