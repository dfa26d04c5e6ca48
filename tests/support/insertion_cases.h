#pragma once

#include "core/insertion.h"

#include <QString>
#include <functional>
#include <vector>

// Insertion cases shared by the in-memory tests and the real-editor tests, so both
// implementations are held to the same placement of text and caret.
struct InsertionCase {
    const char *name;
    QString before; // '\n' separates lines
    int caretLine;
    int caretColumn;
    std::function<void(TextInsertion &)> operation;
    QString after;
    int expectedLine;
    int expectedColumn;
};

inline std::vector<InsertionCase> insertionCases()
{
    using T = TextInsertion;
    return {
        {"InsertLineIntoEmpty", "", 0, 0, [](T &t) { t.InsertLine("X"); }, "X\n", 1, 0},
        {"InsertLineDoesNotSplitCaretLine", "abcdef", 0, 3, [](T &t) { t.InsertLine("X"); },
         "X\nabcdef", 1, 0},
        {"InsertLineTwiceKeepsCallOrder", "0\n1\n2\n3\n4\n5\n6", 5, 1,
         [](T &t) {
             t.InsertLine("1");
             t.InsertLine("2");
         },
         "0\n1\n2\n3\n4\n1\n2\n5\n6", 7, 0},
        {"InsertLineOnFinalEmptyLine", "a\n", 1, 0, [](T &t) { t.InsertLine("X"); }, "a\nX\n", 2,
         0},
        {"AppendLineWithoutFinalBreak", "abc", 0, 1, [](T &t) { t.AppendLine("X"); }, "abc\nX", 1,
         1},
        {"AppendLineWithFinalBreak", "abc\n", 0, 0, [](T &t) { t.AppendLine("X"); }, "abc\nX\n", 2,
         0},
        {"AppendLineIntoEmpty", "", 0, 0, [](T &t) { t.AppendLine("X"); }, "X\n", 1, 0},
        {"AppendLineAfterEmptyLastLine", "a\n\n", 0, 0, [](T &t) { t.AppendLine("X"); }, "a\n\nX\n",
         3, 0},
        {"AppendLineIgnoresCaret", "a\nb\nc", 1, 1, [](T &t) { t.AppendLine("X"); }, "a\nb\nc\nX",
         3, 1},
        {"InsertAtCaretWithOffset", "abcdef", 0, 3,
         [](T &t) { t.InsertAtCaret("<B></B>", true, 3); }, "abc<B></B>def", 0, 6},
        {"InsertAtCaretToLineEnd", "abcdef", 0, 3, [](T &t) { t.InsertAtCaret("<BR>", false, 0); },
         "abc<BR>def", 0, 10},
        {"InsertAtCaretOnSecondLine", "x\nabcdef\ny", 1, 3,
         [](T &t) { t.InsertAtCaret("<B></B>", true, 3); }, "x\nabc<B></B>def\ny", 1, 6},
        {"InsertAtCaretEmptyWithOffset", "", 0, 0,
         [](T &t) { t.InsertAtCaret("<I></I>", true, 3); }, "<I></I>", 0, 3},
        {"InsertAtCaretEmptyOffsetClamped", "", 0, 0, [](T &t) { t.InsertAtCaret("<P>", true, 9); },
         "<P>", 0, 3},
        {"InsertAtCaretEmptyToEnd", "", 0, 0, [](T &t) { t.InsertAtCaret("<P>", false, 0); }, "<P>",
         0, 3},
        {"InsertAtCaretNegativeOffsetClamped", "abc", 0, 1,
         [](T &t) { t.InsertAtCaret("X", true, -5); }, "aXbc", 0, 0},
    };
}
