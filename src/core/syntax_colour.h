#pragma once

#include <QList>
#include <QStringView>
#include <optional>

// Which of the four stored colours a stretch of source takes.
enum class SyntaxColour : quint8 { Text, Link, Image, Other };

// What a line hands on to the next one: plain text, the inside of a tag (of its colour; tags
// may span lines), or the inside of a comment. A quoted value ends with its line, so a quote
// that never closes spoils one line, not the rest of the document.
struct LineState {
    enum Mode : quint8 { InText, InTag, InComment };
    Mode mode = InText;
    SyntaxColour tag = SyntaxColour::Text;

    // A small non-negative number, so that it fits wherever a block keeps an int.
    int pack() const { return mode == InTag ? 2 + int(tag) : int(mode == InComment); }
    static LineState unpack(int packed)
    {
        if (packed >= 2)
            return {InTag, SyntaxColour(packed - 2)};
        return {packed == 1 ? InComment : InText, SyntaxColour::Text};
    }
    bool operator==(const LineState &) const = default;
};

struct ColourRange {
    int start;
    int length;
    SyntaxColour colour;
    bool operator==(const ColourRange &) const = default;
};

struct ColouredLine {
    // Cover the whole line in order, neighbours of one colour merged.
    QList<ColourRange> ranges;
    LineState out;
};

// Colours one line of HTML source that starts in the state the line before left. Tags of an A
// element take Link, of an IMG element Image, any other tag and every comment Other, the rest
// Text. A "<" that opens no tag (a blank or digit after it) and a stray ">" are text.
ColouredLine colourLine(QStringView line, LineState carried);
