#include "document/f_html.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class EditCommands : public TempSettingsTest {
protected:
    static QToolButton *button(THTML &document, const char *name)
    {
        return document.Panel4->findChild<QToolButton *>(QLatin1String(name));
    }

    static QPoint caret(const THTML &document)
    {
        return {document.RichEdit->Col(), document.RichEdit->Row()};
    }
};

TEST_F(EditCommands, IndentTwiceThenUnindentOnceLeavesTwoBlanks)
{
    auto document = makeDocument("a\n<P>\nb", 1, 1);
    document->sbIndentClick();
    document->sbIndentClick();
    EXPECT_EQ(documentText(*document), "a\n    <P>\nb");
    document->sbUnIndentClick();
    EXPECT_EQ(documentText(*document), "a\n  <P>\nb");
    EXPECT_EQ(caret(*document), QPoint(5, 1));
    EXPECT_EQ(document->statusText(1), "modified...");
}

TEST_F(EditCommands, IndentMovesTheWholeLineAndPutsTheCaretAtItsEnd)
{
    auto document = makeDocument("abcdef", 0, 3);
    document->sbIndentClick();
    EXPECT_EQ(documentText(*document), "  abcdef");
    EXPECT_EQ(caret(*document), QPoint(8, 0));
    EXPECT_EQ(document->statusText(0), "8:0");
}

TEST_F(EditCommands, IndentOfAnEmptyLineMakesTwoBlanks)
{
    auto document = makeDocument("a\n\nb", 1, 0);
    document->sbIndentClick();
    EXPECT_EQ(documentText(*document), "a\n  \nb");
}

TEST_F(EditCommands, IndentWithASelectionOverThreeLinesIndentsOnlyItsFirstLine)
{
    auto document = makeDocument("one\ntwo\nthree\nfour");
    QTextCursor lines(document->RichEdit->document());
    lines.setPosition(5);
    lines.setPosition(12, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(lines);
    document->sbIndentClick();
    EXPECT_EQ(documentText(*document), "one\n  two\nthree\nfour");
    EXPECT_EQ(caret(*document), QPoint(5, 1));
    EXPECT_FALSE(document->RichEdit->textCursor().hasSelection());
}

TEST_F(EditCommands, UnindentRemovesOnlyTwoBlanks)
{
    auto document = makeDocument("   x", 0, 1);
    document->sbUnIndentClick();
    EXPECT_EQ(documentText(*document), " x");
    EXPECT_EQ(caret(*document), QPoint(2, 0));
}

TEST_F(EditCommands, UnindentLeavesOtherLinesAndTheCaretAlone)
{
    for (const QString &line : {QString(" x"), QString("\t x"), QString("x  "), QString()}) {
        auto document = makeDocument(line, 0, int(line.size()) / 2);
        document->sbUnIndentClick();
        EXPECT_EQ(documentText(*document), line);
        EXPECT_EQ(caret(*document), QPoint(int(line.size()) / 2, 0));
        EXPECT_FALSE(document->isModified());
    }
}

TEST_F(EditCommands, OneUndoTakesBackAnIndentAnInsertionOrAnUnindent)
{
    auto document = makeDocument("  abc", 0, 2);
    document->sbIndentClick();
    document->InsertAtCaret("<B></B>", true, 3);
    EXPECT_EQ(documentText(*document), "    abc<B></B>");
    document->sbUndoClick();
    EXPECT_EQ(documentText(*document), "    abc");
    document->sbUndoClick();
    EXPECT_EQ(documentText(*document), "  abc");
    document->sbUnIndentClick();
    document->sbUndoClick();
    EXPECT_EQ(documentText(*document), "  abc");
}

TEST_F(EditCommands, CutCopyPasteThroughTheClipboard)
{
    auto document = makeDocument("one two");
    QApplication::clipboard()->setText("before");
    QTextCursor word(document->RichEdit->document());
    word.setPosition(4);
    word.setPosition(7, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(word);
    button(*document, "ebCopy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "two");
    EXPECT_EQ(documentText(*document), "one two");
    button(*document, "ebCut")->click();
    EXPECT_EQ(documentText(*document), "one ");
    document->RichEdit->setCaret(0, 0);
    button(*document, "ebPase")->click();
    EXPECT_EQ(documentText(*document), "twoone ");
    button(*document, "ebUndo")->click();
    EXPECT_EQ(documentText(*document), "one ");
}

TEST_F(EditCommands, CutAndCopyWithoutASelectionAndPasteOfNothingChangeNothing)
{
    auto document = makeDocument("abc", 0, 1);
    QApplication::clipboard()->setText("kept");
    document->sbCutClick();
    document->sbCopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
    QApplication::clipboard()->clear();
    document->sbPasteClick();
    EXPECT_EQ(documentText(*document), "abc");
    EXPECT_FALSE(document->isModified());
}

TEST_F(EditCommands, PastedLineBreaksBecomeLines)
{
    auto document = makeDocument("");
    QApplication::clipboard()->setText("a\r\nb\nc");
    document->sbPasteClick();
    EXPECT_EQ(documentText(*document), "a\nb\nc");
}

TEST_F(EditCommands, EditButtonsAreEnabledWithTheirHints)
{
    auto document = makeDocument("");
    for (const char *name : {"ebSearch", "ebReplace", "ebIndent", "ebUnIndent", "ebCopy", "ebCut",
                             "ebPase", "ebUndo"}) {
        QToolButton *edit = button(*document, name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_TRUE(edit->isEnabled()) << name;
        EXPECT_EQ(edit->accessibleName(), edit->toolTip()) << name;
    }
    button(*document, "ebIndent")->click();
    EXPECT_EQ(documentText(*document), "  ");
    button(*document, "ebUnIndent")->click();
    EXPECT_EQ(documentText(*document), "");
}

} // namespace
