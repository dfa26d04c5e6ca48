#include "core/memory_text.h"
#include "support/insertion_cases.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLines, CountLeavesOutTheFinalEmptyLine)
{
    const std::pair<QString, int> cases[] = {{"", 0},     {"A", 1},  {"A\n", 1},
                                             {"A\nB", 2}, {"\n", 1}, {"A\n\n", 2}};
    for (const auto &[text, count] : cases)
        EXPECT_EQ(MemoryText(text).LineCount(), count) << text.toStdString();
    MemoryText cleared("a\nb", 1, 1);
    cleared.ClearText();
    EXPECT_EQ(cleared.LineCount(), 0);
    EXPECT_EQ(cleared.text(), "");
}

// Line i goes before line i when it exists (the final empty line included), else after a
// non-empty line i - 1, otherwise nowhere. Caret writes are clamped to the counted lines (the
// final empty one cannot be reached) and to the line's end.
TEST(TextLines, InsertAtAndCaretWrites)
{
    using textlines::insertAt;
    const struct {
        QString before;
        int line, column;
        std::function<void(MemoryText &)> operation;
        QString after;
        int caretLine, caretColumn;
    } cases[] = {
        {"abc", 0, 0, [](MemoryText &t) { EXPECT_TRUE(insertAt(t, 1, "X")); }, "abc\nX", 1, 1},
        {"a\n\n", 0, 0, [](MemoryText &t) { EXPECT_TRUE(insertAt(t, 2, "X")); }, "a\n\nX\n", 3, 0},
        {"abc\n", 0, 0, [](MemoryText &t) { EXPECT_FALSE(insertAt(t, 3, "X")); }, "abc\n", 0, 0},
        {"abc\n", 0, 0, [](MemoryText &t) { EXPECT_FALSE(insertAt(t, -1, "X")); }, "abc\n", 0, 0},
        {"ab\ncd\n", 1, 1, [](MemoryText &t) { textlines::setRow(t, -3); }, "ab\ncd\n", 0, 0},
        {"ab\ncd\n", 1, 1, [](MemoryText &t) { textlines::setRow(t, 99); }, "ab\ncd\n", 1, 0},
        {"", 0, 0, [](MemoryText &t) { textlines::setRow(t, 4); }, "", 0, 0},
        {"abc\nxy", 1, 0, [](MemoryText &t) { textlines::setCol(t, 10); }, "abc\nxy", 1, 2},
        {"abc\nxy", 1, 0, [](MemoryText &t) { textlines::setCol(t, -1); }, "abc\nxy", 1, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        MemoryText text(c.before, c.line, c.column);
        c.operation(text);
        EXPECT_EQ(text.text(), c.after);
        EXPECT_EQ(text.caretBlock(), c.caretLine);
        EXPECT_EQ(text.caretColumn(), c.caretColumn);
    }
}

TEST(TextLines, InsertionCasesOnMemoryText)
{
    for (const InsertionCase &c : insertionCases()) {
        SCOPED_TRACE(c.name);
        MemoryText text(c.before, c.caretLine, c.caretColumn);
        c.operation(text);
        EXPECT_EQ(text.text(), c.after);
        EXPECT_EQ(text.caretBlock(), c.expectedLine);
        EXPECT_EQ(text.caretColumn(), c.expectedColumn);
    }
}

} // namespace
