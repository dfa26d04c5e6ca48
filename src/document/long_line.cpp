#include "document/long_line.h"

#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace {

constexpr int Piece = 256;

QTextLine layOutSample(QTextLayout &layout)
{
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(1e6);
    layout.endLayout();
    return line;
}

bool isMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

} // namespace

struct LongLineGeometry::Pieces : QTextBlockUserData {
    int length = -1; // of the text measured; -1 when it must be measured again
    qreal width = 0;
    bool plain = false; // every character has the common advance: nothing stored
    std::vector<qreal> x;
    std::vector<bool> plainPiece;
};

void LongLineGeometry::setFont(const QFont &font, qreal tabStop)
{
    if (font == m_font && tabStop == m_tabStop && m_advance > 0)
        return;
    m_font = font;
    m_tabStop = tabStop > 0 ? tabStop : 80;
    m_advances.clear();
    // The advance as the layout sums it, in its own fixed-point steps.
    QTextLayout sample(QString(64, u'x'), font);
    const QTextLine line = layOutSample(sample);
    m_advance = line.naturalTextWidth() / 64;
    m_lineHeight = line.height();
    QString ascii;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        ascii += QChar(c);
    QTextLayout all(ascii, font);
    m_plainAscii = qFuzzyCompare(layOutSample(all).naturalTextWidth(), ascii.size() * m_advance);
}

QChar LongLineGeometry::at(const QTextBlock &block, int column) const
{
    return block.document()->characterAt(block.position() + column);
}

qreal LongLineGeometry::advance(QChar c, QChar previous, qreal x)
{
    if (c == u'\t') // stops counted from the line's text start, as the layout does
        return (qFloor(x / m_tabStop) + 1) * m_tabStop - x;
    if (c.isHighSurrogate() || isMark(c))
        return 0;
    char32_t code = c.unicode();
    if (c.isLowSurrogate() && previous.isHighSurrogate())
        code = QChar::surrogateToUcs4(previous, c);
    auto found = m_advances.constFind(code);
    if (found == m_advances.cend()) {
        const char32_t one[] = {code};
        found = m_advances.insert(
            code, QFontMetricsF(m_font).horizontalAdvance(QString::fromUcs4(one, 1)));
    }
    return *found;
}

LongLineGeometry::Pieces &LongLineGeometry::pieces(const QTextBlock &block)
{
    auto *data = dynamic_cast<Pieces *>(block.userData());
    if (!data) {
        data = new Pieces;
        QTextBlock(block).setUserData(data);
    }
    if (data->length == block.length() - 1)
        return *data;
    data->x.clear();
    data->plainPiece.clear();
    qreal x = 0;
    int column = 0;
    bool piecePlain = true;
    bool allPlain = true;
    QChar previous;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QString text = it.fragment().text();
        for (const QChar c : text) {
            if (column % Piece == 0) {
                if (column > 0)
                    data->plainPiece.push_back(piecePlain);
                data->x.push_back(x);
                piecePlain = true;
            }
            ++column;
            if (isPlain(c)) {
                x += m_advance;
            } else {
                piecePlain = allPlain = false;
                x += advance(c, previous, x);
            }
            previous = c;
        }
    }
    data->plainPiece.push_back(piecePlain);
    data->length = column;
    data->width = x;
    data->plain = allPlain;
    if (allPlain) {
        data->x = {};
        data->plainPiece = {};
    }
    return *data;
}

qreal LongLineGeometry::xOf(const QTextBlock &block, int column)
{
    const Pieces &p = pieces(block);
    column = std::clamp(column, 0, p.length);
    if (p.plain)
        return column * m_advance;
    if (column == p.length)
        return p.width;
    const int piece = column / Piece;
    const int start = piece * Piece;
    qreal x = p.x[piece];
    if (p.plainPiece[piece])
        return x + (column - start) * m_advance;
    QChar previous = start > 0 ? at(block, start - 1) : QChar();
    for (int c = start; c < column; ++c) {
        const QChar ch = at(block, c);
        x += isPlain(ch) ? m_advance : advance(ch, previous, x);
        previous = ch;
    }
    return x;
}

int LongLineGeometry::columnAt(const QTextBlock &block, qreal x)
{
    const Pieces &p = pieces(block);
    if (x <= 0)
        return 0;
    if (x >= p.width)
        return p.length;
    int column = 0;
    if (p.plain) {
        column = std::min(qRound(x / m_advance), p.length);
    } else {
        const int piece = int(std::upper_bound(p.x.begin(), p.x.end(), x) - p.x.begin()) - 1;
        const int start = piece * Piece;
        const int end = std::min(start + Piece, p.length);
        qreal left = p.x[piece];
        if (p.plainPiece[piece]) {
            column = std::min(start + qRound((x - left) / m_advance), end);
        } else {
            QChar previous = start > 0 ? at(block, start - 1) : QChar();
            for (column = start; column < end; ++column) {
                const QChar ch = at(block, column);
                const qreal width = isPlain(ch) ? m_advance : advance(ch, previous, left);
                if (x < left + width / 2)
                    break;
                left += width;
                previous = ch;
            }
        }
    }
    while (column > 0 && !isStop(block, column))
        --column;
    return column;
}

bool LongLineGeometry::isStop(const QTextBlock &block, int column) const
{
    if (column <= 0 || column >= block.length() - 1)
        return true;
    const QChar c = at(block, column);
    if (c.isLowSurrogate())
        return !at(block, column - 1).isHighSurrogate();
    return !isMark(c);
}

int LongLineGeometry::nextStop(const QTextBlock &block, int column) const
{
    do
        ++column;
    while (!isStop(block, column));
    return column;
}

int LongLineGeometry::previousStop(const QTextBlock &block, int column) const
{
    do
        --column;
    while (!isStop(block, column));
    return column;
}

void LongLineGeometry::changed(const QTextBlock &block, int column, int removed, int added)
{
    auto *p = dynamic_cast<Pieces *>(block.userData());
    if (!p)
        return;
    const int length = block.length() - 1;
    bool plain = p->plain && added <= 64 && p->length >= 0 && p->length - removed + added == length;
    for (int i = 0; plain && i < added; ++i)
        plain = isPlain(at(block, column + i));
    if (plain) {
        p->length = length;
        p->width = length * m_advance;
    } else {
        p->length = -1;
    }
}

void LongLineGeometry::forget(QTextBlock block)
{
    block.setUserData(nullptr);
}
