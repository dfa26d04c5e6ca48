#include "document/memory_text.h"
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

// Before line i when it exists (the final empty line included), else after a non-empty line
// i - 1; otherwise nothing.
TEST(TextLines, InsertAtLineOrAfterItsNonEmptyPredecessor)
{
    const struct {
        QString before;
        int line;
        QString after; // the same when nothing goes in
        int caretLine, caretColumn;
    } cases[] = {
        {"abc", 1, "abc\nX", 1, 1},
        {"a\n\n", 2, "a\n\nX\n", 3, 0},
        {"abc\n", 3, "abc\n", 0, 0},
        {"abc\n", -1, "abc\n", 0, 0},
    };
    for (const auto &c : cases) {
        MemoryText text(c.before);
        EXPECT_EQ(textlines::insertAt(text, c.line, "X"), c.after != c.before) << c.line;
        EXPECT_EQ(text.text(), c.after);
        EXPECT_EQ(text.caretBlock(), c.caretLine) << c.line;
        EXPECT_EQ(text.caretColumn(), c.caretColumn) << c.line;
    }
}

// A row beyond the last counted line goes to that line (the final empty one cannot be reached),
// a column beyond the line end to the line end.
TEST(TextLines, CaretWritesAreClamped)
{
    const struct {
        QString text;
        int line, column;
        void (*write)(LineBuffer &, int);
        int value;
        int caretLine, caretColumn;
    } cases[] = {
        {"ab\ncd\n", 1, 1, textlines::setRow, -3, 0, 0},
        {"ab\ncd\n", 1, 1, textlines::setRow, 99, 1, 0},
        {"", 0, 0, textlines::setRow, 4, 0, 0},
        {"abc\nxy", 1, 0, textlines::setCol, 10, 1, 2},
        {"abc\nxy", 1, 0, textlines::setCol, -1, 1, 0},
    };
    for (const auto &c : cases) {
        MemoryText text(c.text, c.line, c.column);
        c.write(text, c.value);
        EXPECT_EQ(text.caretBlock(), c.caretLine) << c.text.toStdString() << " " << c.value;
        EXPECT_EQ(text.caretColumn(), c.caretColumn) << c.text.toStdString() << " " << c.value;
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
