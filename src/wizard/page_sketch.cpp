#include "wizard/page_sketch.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The sample page inside the sketch, and the rows of its items from top to bottom.
const QRect Paper(12, 10, 320, 318);
constexpr int Margin = 10;
constexpr int TitleTop = 12, TitleHeight = 40, SecondTop = 54, SecondHeight = 26;
constexpr int RuleTops[] = {86, 228};
constexpr int PictureTop = 96, PictureHeight = 70, ParagraphTop = 180, LinkTop = 240;
constexpr int AuthorTop = 258, FooterTop = 298;

const QColor Ink(0, 0, 128);
const QColor Faint(190, 190, 196);
const QColor Shadow(0, 0, 0, 60);

int paperX(int x)
{
    return Paper.left() + x;
}

// A line of text as a bar of the given width, centred or from the left margin.
void textBar(QPainter &painter, int top, int width, int height, bool centred, const QColor &color)
{
    const int left = centred ? Paper.center().x() - width / 2 : paperX(Margin);
    painter.setBrush(color);
    painter.drawRoundedRect(QRect(left, Paper.top() + top, width, height), 2, 2);
}

void rule(QPainter &painter, int top, const QColor &color)
{
    painter.fillRect(QRect(paperX(Margin), Paper.top() + top, Paper.width() - 2 * Margin, 2),
                     color);
}

void picture(QPainter &painter, const QColor &color)
{
    const QRect frame(Paper.center().x() - 50, Paper.top() + PictureTop, 100, PictureHeight);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 2));
    painter.drawRect(frame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPoint(frame.right() - 22, frame.top() + 18), 8, 8);
    QPainterPath hills;
    hills.moveTo(frame.left() + 2, frame.bottom() - 1);
    hills.lineTo(frame.left() + 34, frame.top() + 28);
    hills.lineTo(frame.left() + 56, frame.bottom() - 22);
    hills.lineTo(frame.left() + 72, frame.bottom() - 34);
    hills.lineTo(frame.right() - 1, frame.bottom() - 1);
    painter.drawPath(hills);
}

} // namespace

TPageSketch::TPageSketch(SketchItem item, QWidget *parent) : QWidget(parent), m_item(item)
{
    setFixedSize(Width, Height);
}

QRect TPageSketch::titleArea()
{
    return {paperX(Margin), Paper.top() + TitleTop, Paper.width() - 2 * Margin, TitleHeight};
}

QRect TPageSketch::secondHeadingArea()
{
    return {paperX(Margin), Paper.top() + SecondTop, Paper.width() - 2 * Margin, SecondHeight};
}

QRect TPageSketch::ruleArea(int which)
{
    return {paperX(Margin), Paper.top() + RuleTops[which], Paper.width() - 2 * Margin, 2};
}

void TPageSketch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool all = m_item == SketchItem::Finished;
    const auto shade = [&](SketchItem item) { return all || m_item == item ? Ink : Faint; };

    painter.fillRect(Paper.translated(4, 4), Shadow);
    painter.fillRect(Paper, m_item == SketchItem::Background || all ? QColor(255, 248, 220)
                                                                    : QColor(Qt::white));
    if (m_item == SketchItem::Background) {
        painter.setPen(QPen(QColor(240, 220, 170), 1));
        for (int x = Paper.left() - Paper.height(); x < Paper.right(); x += 14)
            painter.drawLine(QPoint(x, Paper.bottom()), QPoint(x + Paper.height(), Paper.top()));
    }
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Paper);
    painter.setPen(Qt::NoPen);

    if (m_item != SketchItem::Title) {
        textBar(painter, TitleTop + 12, 170, 16, true, shade(SketchItem::Title));
        textBar(painter, SecondTop + 8, 110, 10, true, shade(SketchItem::Title));
        for (int top : RuleTops)
            rule(painter, top, shade(SketchItem::Title));
    }
    picture(painter, shade(SketchItem::Picture));
    painter.setPen(Qt::NoPen);
    const int full = Paper.width() - 2 * Margin;
    const int widths[] = {full, full - 12, full - 4, full / 2};
    for (int line = 0; line < 4; ++line)
        textBar(painter, ParagraphTop + line * 10, widths[line], 5, false,
                shade(SketchItem::Paragraph));
    textBar(painter, LinkTop, 90, 5, false, shade(SketchItem::Link));
    if (shade(SketchItem::Link) == Ink)
        painter.fillRect(QRect(paperX(Margin), Paper.top() + LinkTop + 7, 90, 1), Ink);
    rule(painter, AuthorTop, shade(SketchItem::Author));
    textBar(painter, AuthorTop + 10, 80, 5, false, shade(SketchItem::Author));
    textBar(painter, AuthorTop + 20, 120, 5, false, shade(SketchItem::Author));
    textBar(painter, FooterTop, 150, 4, false, Faint);
    textBar(painter, FooterTop + 9, 190, 4, false, Faint);
}
