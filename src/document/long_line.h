#pragma once

#include <QFont>
#include <QHash>
#include <QTextBlock>

// Lines longer than this are never laid out whole: shaping a line of megabytes takes longer
// than a keystroke may.
inline bool isLongLine(const QTextBlock &block)
{
    return block.length() > 4096;
}

// Where the columns of long lines fall, in pixels from the line's text start. In the editor's
// fixed-pitch font most characters share one advance; a line made of those alone needs no
// storage. Other lines keep the x of every 256th column and walk characters within a piece.
class LongLineGeometry {
public:
    void setFont(const QFont &font, qreal tabStop);
    const QFont &font() const { return m_font; }
    qreal lineHeight() const { return m_lineHeight; }

    qreal xOf(const QTextBlock &block, int column);
    // The caret stop nearest to x.
    int columnAt(const QTextBlock &block, qreal x);
    qreal width(const QTextBlock &block) { return xOf(block, block.length() - 1); }
    // The caret stops next to a column: never inside a surrogate pair or before a combining mark.
    int nextStop(const QTextBlock &block, int column) const;
    int previousStop(const QTextBlock &block, int column) const;

    // Keeps what a change of a few characters leaves true; anything else is measured again.
    void changed(const QTextBlock &block, int column, int removed, int added);
    static void forget(QTextBlock block);

private:
    struct Pieces;
    Pieces &pieces(const QTextBlock &block);
    bool isPlain(QChar c) const
    {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F && m_plainAscii;
    }
    // The advance of a character starting at x; a high surrogate takes its pair's.
    qreal advance(QChar c, QChar next, qreal x);
    bool isStop(const QTextBlock &block, int column) const;
    QChar at(const QTextBlock &block, int column) const;

    QFont m_font;
    qreal m_advance = 0;
    qreal m_tabStop = 80;
    qreal m_lineHeight = 0;
    bool m_plainAscii = true;
    QHash<char32_t, qreal> m_advances;
};
