#include "core/syntax_colour.h"

namespace {

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The colour of a tag that starts at "<", or nothing when the "<" opens no tag.
std::optional<SyntaxColour> tagAt(QStringView line, qsizetype at)
{
    qsizetype name = at + 1;
    if (name < line.size() && (line[name] == u'!' || line[name] == u'?'))
        return SyntaxColour::Other;
    if (name < line.size() && line[name] == u'/')
        ++name;
    if (name >= line.size() || !isLetter(line[name]))
        return std::nullopt;
    qsizetype end = name;
    while (end < line.size() && (isLetter(line[end]) || line[end].isDigit()))
        ++end;
    const QStringView word = line.sliced(name, end - name);
    if (word.compare(u"a", Qt::CaseInsensitive) == 0)
        return SyntaxColour::Link;
    if (word.compare(u"img", Qt::CaseInsensitive) == 0)
        return SyntaxColour::Image;
    return SyntaxColour::Other;
}

class Painter {
public:
    void paint(qsizetype from, qsizetype to, SyntaxColour colour)
    {
        if (to <= from)
            return;
        if (!ranges.isEmpty() && ranges.back().colour == colour)
            ranges.back().length += int(to - from);
        else
            ranges.append({int(from), int(to - from), colour});
    }
    QList<ColourRange> ranges;
};

} // namespace

ColouredLine colourLine(QStringView line, LineState carried)
{
    Painter painter;
    LineState state = carried;
    const qsizetype n = line.size();
    qsizetype at = 0;
    while (at < n) {
        if (state.mode == LineState::InComment) {
            const qsizetype end = line.indexOf(u"-->", at);
            const qsizetype stop = end < 0 ? n : end + 3;
            painter.paint(at, stop, SyntaxColour::Other);
            if (end >= 0)
                state = {};
            at = stop;
        } else if (state.mode == LineState::InTag) {
            qsizetype scan = at;
            while (scan < n && line[scan] != u'>') {
                const QChar c = line[scan];
                if (c == u'"' || c == u'\'') {
                    const qsizetype close = line.indexOf(c, scan + 1);
                    scan = close < 0 ? n : close + 1;
                } else {
                    ++scan;
                }
            }
            const qsizetype stop = scan < n ? scan + 1 : n;
            painter.paint(at, stop, state.tag);
            if (scan < n)
                state = {};
            at = stop;
        } else {
            qsizetype open = line.indexOf(u'<', at);
            std::optional<SyntaxColour> tag;
            while (open >= 0 && !(tag = tagAt(line, open)))
                open = line.indexOf(u'<', open + 1);
            const qsizetype stop = open < 0 ? n : open;
            painter.paint(at, stop, SyntaxColour::Text);
            at = stop;
            if (open < 0)
                break;
            if (line.sliced(open).startsWith(u"<!--")) {
                painter.paint(open, open + 4, SyntaxColour::Other);
                state = {LineState::InComment, SyntaxColour::Text};
                at = open + 4;
            } else {
                state = {LineState::InTag, *tag};
            }
        }
    }
    return {painter.ranges, state};
}
