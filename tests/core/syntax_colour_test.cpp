#include "core/syntax_colour.h"

#include <gtest/gtest.h>

namespace {

using C = SyntaxColour;
const LineState text{};
const LineState comment{LineState::InComment, C::Text};
LineState inTag(C colour)
{
    return {LineState::InTag, colour};
}

struct Row {
    const char16_t *line;
    LineState carried;
    QList<ColourRange> ranges;
    LineState out;
};

} // namespace

TEST(SyntaxColour, ColoursEachLineFromTheStateBefore)
{
    const Row rows[] = {
        {u"<B>bold</B>", text, {{0, 3, C::Other}, {3, 4, C::Text}, {7, 4, C::Other}}, text},
        {u"<FONT FACE=\"a>b\">x", text, {{0, 17, C::Other}, {17, 1, C::Text}}, text},
        {u"<FONT FACE='a>b'>x", text, {{0, 17, C::Other}, {17, 1, C::Text}}, text},
        {u"<a href=\"x\">link</A>",
         text,
         {{0, 12, C::Link}, {12, 4, C::Text}, {16, 4, C::Link}},
         text},
        {u"<ABBR>", text, {{0, 6, C::Other}}, text},
        {u"<IMG SRC=\"p.gif\">", text, {{0, 17, C::Image}}, text},
        {u"<img2>", text, {{0, 6, C::Other}}, text},
        {u"a&amp;b", text, {{0, 7, C::Text}}, text},
        {u"x<!-- a", text, {{0, 1, C::Text}, {1, 6, C::Other}}, comment},
        {u"<B> middle", comment, {{0, 10, C::Other}}, comment},
        {u"b -->y", comment, {{0, 5, C::Other}, {5, 1, C::Text}}, text},
        {u"t<A HREF=\"x\"", text, {{0, 1, C::Text}, {1, 11, C::Link}}, inTag(C::Link)},
        {u"TARGET=_top>z", inTag(C::Link), {{0, 12, C::Link}, {12, 1, C::Text}}, text},
        {u"<B TITLE=\"x>y", text, {{0, 13, C::Other}}, inTag(C::Other)},
        {u"a > b", text, {{0, 5, C::Text}}, text},
        {u"1 < 3 <", text, {{0, 7, C::Text}}, text},
        {u"<!DOCTYPE HTML>", text, {{0, 15, C::Other}}, text},
        {u"", text, {}, text},
        {u"", comment, {}, comment},
    };
    for (const Row &row : rows) {
        const ColouredLine got = colourLine(QStringView(row.line), row.carried);
        EXPECT_EQ(got.ranges, row.ranges) << QString::fromUtf16(row.line).toStdString();
        EXPECT_EQ(got.out, row.out) << QString::fromUtf16(row.line).toStdString();
        EXPECT_EQ(LineState::unpack(row.out.pack()), row.out);
    }
}
