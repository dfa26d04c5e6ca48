#include "controls/glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Ink(0x20, 0x4a, 0x87);
const QColor Paper(Qt::white);
const QColor Accent(0xce, 0x5c, 0x00);

void page(QPainter &p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(path);
}

void lines(QPainter &p, qreal x, qreal y, qreal w, int count, qreal step = 3.5)
{
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x, y + i * step), QPointF(x + w, y + i * step));
}

void arrow(QPainter &p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    p.drawLine(to, to - u * 4 + n * 3);
    p.drawLine(to, to - u * 4 - n * 3);
}

// Draws a glyph on a 24 x 24 grid.
void draw(QPainter &p, Glyph glyph)
{
    p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::New:
    case Glyph::DocumentIcon:
        page(p, QRectF(5, 2, 14, 20));
        lines(p, 8, 9, 8, 4);
        if (glyph == Glyph::New) {
            p.setPen(QPen(Accent, 2));
            p.drawLine(QPointF(17, 1), QPointF(17, 7));
            p.drawLine(QPointF(14, 4), QPointF(20, 4));
        }
        break;
    case Glyph::Open:
        p.setBrush(QColor(0xf5, 0xd0, 0x6f));
        p.drawRect(QRectF(2, 6, 18, 14));
        p.drawRect(QRectF(2, 4, 7, 2));
        p.setBrush(QColor(0xfc, 0xe9, 0x94));
        p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(22, 10), QPointF(19, 20), QPointF(2, 20)}));
        break;
    case Glyph::Save:
        p.setBrush(Ink);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(6, 3, 12, 7));
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case Glyph::Print:
        p.setBrush(Paper);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(0xba, 0xbd, 0xb6));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(7, 15, 10, 7));
        lines(p, 9, 18, 6, 2, 2.5);
        break;
    case Glyph::Exit:
        p.setBrush(QColor(0xe9, 0xb9, 0x6e));
        p.drawRect(QRectF(4, 2, 11, 20));
        p.setPen(QPen(Accent, 2));
        arrow(p, QPointF(10, 12), QPointF(22, 12));
        break;
    case Glyph::Search:
    case Glyph::Replace:
        p.setBrush(QColor(0xdd, 0xee, 0xff));
        p.drawEllipse(QRectF(3, 3, 12, 12));
        p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(21, 21));
        if (glyph == Glyph::Replace) {
            p.setPen(QPen(Accent, 1.8));
            arrow(p, QPointF(22, 3), QPointF(16, 9));
        }
        break;
    case Glyph::Indent:
    case Glyph::UnIndent:
        lines(p, 3, 4, 18, 1);
        lines(p, 11, 9, 10, 3, 4.5);
        lines(p, 3, 21, 18, 1);
        p.setPen(QPen(Accent, 1.8));
        if (glyph == Glyph::Indent)
            arrow(p, QPointF(2, 13.5), QPointF(8, 13.5));
        else
            arrow(p, QPointF(8, 13.5), QPointF(2, 13.5));
        break;
    case Glyph::Copy:
        page(p, QRectF(3, 2, 11, 14));
        page(p, QRectF(9, 8, 12, 14));
        lines(p, 11, 13, 7, 3);
        break;
    case Glyph::Cut:
        p.drawLine(QPointF(7, 2), QPointF(15, 16));
        p.drawLine(QPointF(17, 2), QPointF(9, 16));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Accent, 1.8));
        p.drawEllipse(QRectF(3, 15, 7, 7));
        p.drawEllipse(QRectF(14, 15, 7, 7));
        break;
    case Glyph::Paste:
        p.setBrush(QColor(0xc1, 0x7d, 0x11));
        p.drawRoundedRect(QRectF(3, 4, 14, 18), 2, 2);
        p.setBrush(QColor(0xba, 0xbd, 0xb6));
        p.drawRect(QRectF(7, 2, 6, 4));
        page(p, QRectF(11, 9, 11, 13));
        break;
    case Glyph::Undo: {
        QPainterPath curve;
        curve.moveTo(6, 9);
        curve.cubicTo(12, 3, 22, 7, 20, 15);
        curve.cubicTo(19, 19, 15, 21, 11, 21);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(curve);
        p.setBrush(Ink);
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(10, 5), QPointF(5, 13)}));
        break;
    }
    case Glyph::Components:
        p.setBrush(QColor(0xfc, 0xe9, 0x94));
        p.drawRect(QRectF(2, 2, 9, 9));
        p.setBrush(QColor(0xad, 0xd8, 0xa6));
        p.drawRect(QRectF(13, 2, 9, 9));
        p.setBrush(QColor(0xa6, 0xc8, 0xe8));
        p.drawRect(QRectF(2, 13, 9, 9));
        p.setPen(QPen(Accent, 1.8));
        arrow(p, QPointF(13, 13), QPointF(21, 21));
        break;
    case Glyph::LineBreak:
        p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(19, 4), QPointF(19, 15), QPointF(6, 15)}));
        p.drawPolyline(QPolygonF({QPointF(10, 10), QPointF(5, 15), QPointF(10, 20)}));
        break;
    case Glyph::TableRow:
    case Glyph::TableData:
        p.setBrush(Paper);
        p.drawRect(QRectF(2, 4, 20, 16));
        p.drawLine(QPointF(2, 12), QPointF(22, 12));
        p.drawLine(QPointF(12, 4), QPointF(12, 20));
        p.setBrush(Accent);
        p.setPen(Qt::NoPen);
        if (glyph == Glyph::TableRow)
            p.drawRect(QRectF(3, 5, 18.5, 6.5));
        else
            p.drawRect(QRectF(3, 5, 8.5, 6.5));
        break;
    case Glyph::OrderedList:
    case Glyph::UnorderedList:
    case Glyph::MenuList:
    case Glyph::DirectoryList:
        lines(p, 10, 6, 11, 3, 6);
        for (int i = 0; i < 3; ++i) {
            const QPointF mark(5, 6 + i * 6);
            if (glyph == Glyph::OrderedList) {
                QFont digits = p.font();
                digits.setPixelSize(6);
                p.setFont(digits);
                p.drawText(QRectF(mark - QPointF(4, 3.5), QSizeF(8, 7)), Qt::AlignCenter,
                           QString::number(i + 1));
            } else if (glyph == Glyph::MenuList) {
                p.drawRect(QRectF(mark - QPointF(2, 2), QSizeF(4, 4)));
            } else if (glyph == Glyph::DirectoryList) {
                p.setBrush(QColor(0xf5, 0xd0, 0x6f));
                p.drawRect(QRectF(mark - QPointF(3, 2), QSizeF(6, 4)));
            } else {
                p.setBrush(Ink);
                p.drawEllipse(mark, 1.6, 1.6);
            }
        }
        break;
    case Glyph::ListItem:
        p.setBrush(Accent);
        p.setPen(QPen(Accent, 1));
        p.drawEllipse(QPointF(6, 12), 2.5, 2.5);
        p.setPen(QPen(Ink, 1.5));
        lines(p, 11, 12, 10, 1);
        break;
    case Glyph::AppIcon:
        page(p, QRectF(3, 1, 18, 22));
        p.setPen(QPen(Ink, 2));
        p.drawPolyline(QPolygonF({QPointF(10, 8), QPointF(6, 12), QPointF(10, 16)}));
        p.drawPolyline(QPolygonF({QPointF(14, 8), QPointF(18, 12), QPointF(14, 16)}));
        break;
    }
}

} // namespace

QPixmap glyphPixmap(Glyph glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    draw(p, glyph);
    return pixmap;
}

QIcon glyphIcon(Glyph glyph)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(glyphPixmap(glyph, size));
    return icon;
}

QPixmap toolbarBackground(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(0xf6, 0xf7, 0xf9));
    shade.setColorAt(1, QColor(0xdc, 0xe1, 0xe8));
    p.fillRect(pixmap.rect(), shade);
    return pixmap;
}
