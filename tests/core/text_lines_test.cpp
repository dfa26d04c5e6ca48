#include "core/memory_text.h"
#include "support/insertion_cases.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLinesCount, LeavesOutFinalEmptyLine)
{
    EXPECT_EQ(MemoryText("").LineCount(), 0);
    EXPECT_EQ(MemoryText("A").LineCount(), 1);
    EXPECT_EQ(MemoryText("A\n").LineCount(), 1);
    EXPECT_EQ(MemoryText("A\nB").LineCount(), 2);
    EXPECT_EQ(MemoryText("\n").LineCount(), 1);
    EXPECT_EQ(MemoryText("A\n\n").LineCount(), 2);
}

TEST(TextLinesInsert, FallsBackToEndOfNonEmptyPreviousLine)
{
    MemoryText text("abc");
    EXPECT_TRUE(textlines::insertAt(text, 1, "X"));
    EXPECT_EQ(text.text(), "abc\nX");
    EXPECT_EQ(text.caretBlock(), 1);
    EXPECT_EQ(text.caretColumn(), 1);
}

TEST(TextLinesInsert, NothingWhenNeitherLineNorNonEmptyPredecessorExists)
{
    MemoryText text("abc\n");
    EXPECT_FALSE(textlines::insertAt(text, 3, "X"));
    EXPECT_FALSE(textlines::insertAt(text, -1, "X"));
    MemoryText blankLast("a\n\n");
    blankLast.setCaret(0, 0);
    EXPECT_TRUE(textlines::insertAt(blankLast, 2, "X")); // the final empty line exists
    EXPECT_EQ(blankLast.text(), "a\n\nX\n");
    EXPECT_EQ(text.text(), "abc\n");
}

TEST(TextLinesCaret, RowIsClampedToCountedLines)
{
    MemoryText text("ab\ncd\n", 1, 1);
    textlines::setRow(text, -3);
    EXPECT_EQ(text.caretBlock(), 0);
    EXPECT_EQ(text.caretColumn(), 0);
    textlines::setRow(text, 99); // the final empty line cannot be reached
    EXPECT_EQ(text.caretBlock(), 1);
    EXPECT_EQ(text.caretColumn(), 0);
}

TEST(TextLinesCaret, RowInTextWithoutLinesStaysOnCaretLine)
{
    MemoryText text("");
    textlines::setRow(text, 4);
    EXPECT_EQ(text.caretBlock(), 0);
    EXPECT_EQ(text.caretColumn(), 0);
}

TEST(TextLinesCaret, ColIsClampedToLineLength)
{
    MemoryText text("abc\nxy", 1, 0);
    textlines::setCol(text, 10);
    EXPECT_EQ(text.caretColumn(), 2);
    textlines::setCol(text, -1);
    EXPECT_EQ(text.caretColumn(), 0);
    EXPECT_EQ(text.caretBlock(), 1);
}

TEST(TextLinesInsertion, CasesOnMemoryText)
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

TEST(TextLinesInsertion, ClearTextLeavesEmptyDocument)
{
    MemoryText text("a\nb", 1, 1);
    text.ClearText();
    EXPECT_EQ(text.text(), "");
    EXPECT_EQ(text.LineCount(), 0);
}

} // namespace
