#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/insertion_cases.h"
#include "support/temp_settings.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(EditorInsertion, CasesOnRealEditor)
{
    for (const InsertionCase &c : insertionCases()) {
        SCOPED_TRACE(c.name);
        auto document = makeDocument(c.before, c.caretLine, c.caretColumn);
        c.operation(*document);
        EXPECT_EQ(documentText(*document), c.after);
        EXPECT_EQ(document->RichEdit->Row(), c.expectedLine);
        EXPECT_EQ(document->RichEdit->Col(), c.expectedColumn);
        EXPECT_TRUE(document->isModified());
    }
}

TEST(EditorInsertion, SelectionIsCollapsedNeverReplaced)
{
    auto document = makeDocument("abcdef\nxyz", 0, 0);
    QTextCursor selection = document->RichEdit->textCursor();
    selection.setPosition(4);
    selection.setPosition(2, QTextCursor::KeepAnchor); // "cd", caret at the smaller end
    document->RichEdit->setTextCursor(selection);
    EXPECT_EQ(document->RichEdit->Col(), 2);

    document->InsertAtCaret("<B></B>", true, 3);
    EXPECT_EQ(documentText(*document), "ab<B></B>cdef\nxyz");
    EXPECT_FALSE(document->RichEdit->textCursor().hasSelection());
    EXPECT_EQ(document->RichEdit->Col(), 5);

    selection = document->RichEdit->textCursor();
    selection.setPosition(0);
    selection.setPosition(3, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(selection);
    document->InsertLine("X");
    EXPECT_EQ(documentText(*document), "X\nab<B></B>cdef\nxyz");
}

TEST(EditorInsertion, EachOperationIsOneUndoStep)
{
    auto document = makeDocument("abcdef", 0, 3);
    document->InsertAtCaret("<B></B>", true, 3);
    document->AppendLine("tail");
    document->InsertLine("head");
    document->RichEdit->undo();
    EXPECT_EQ(documentText(*document), "abc<B></B>def\ntail");
    document->RichEdit->undo();
    EXPECT_EQ(documentText(*document), "abc<B></B>def");
    document->RichEdit->undo();
    EXPECT_EQ(documentText(*document), "abcdef");
}

TEST(EditorCaret, RowAndColAreClamped)
{
    auto document = makeDocument("first\nsecond line\n", 1, 4);
    TSRichEdit &edit = *document->RichEdit;
    EXPECT_EQ(edit.Row(), 1);
    EXPECT_EQ(edit.Col(), 4);

    edit.setCol(99);
    EXPECT_EQ(edit.Col(), 11);
    EXPECT_EQ(edit.Row(), 1);
    edit.setCol(-2);
    EXPECT_EQ(edit.Col(), 0);

    edit.setCol(3);
    edit.setRow(-1);
    EXPECT_EQ(edit.Row(), 0);
    EXPECT_EQ(edit.Col(), 0);
    edit.setRow(7); // the final empty line is not reachable
    EXPECT_EQ(edit.Row(), 1);
    EXPECT_EQ(edit.Col(), 0);
}

TEST(EditorCaret, WritesCollapseTheSelection)
{
    auto document = makeDocument("abcdef", 0, 0);
    QTextCursor selection = document->RichEdit->textCursor();
    selection.setPosition(1);
    selection.setPosition(5, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(selection);
    document->RichEdit->setCol(2);
    EXPECT_FALSE(document->RichEdit->textCursor().hasSelection());
    EXPECT_EQ(document->RichEdit->textCursor().position(), 2);
}

TEST(EditorCaret, LineCountLeavesOutFinalEmptyLine)
{
    EXPECT_EQ(makeDocument("")->LineCount(), 0);
    EXPECT_EQ(makeDocument("A\n")->LineCount(), 1);
    EXPECT_EQ(makeDocument("A\nB")->LineCount(), 2);
}

TEST(EditorLayout, WidthChangesLeaveTheLayoutWidthAlone)
{
    // A new layout width re-lays out every line, which costs seconds on a big file.
    auto document = makeDocument("abc\ndef");
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(
        document->RichEdit->document()->documentLayout());
    ASSERT_NE(layout, nullptr);
    document->show();
    const qreal width = layout->documentSize().width();
    document->resize(900, 600);
    QCoreApplication::processEvents();
    document->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(layout->documentSize().width(), width) << document->RichEdit->viewport()->width();
    EXPECT_EQ(document->RichEdit->lineWrapMode(), QPlainTextEdit::NoWrap);
}

} // namespace
