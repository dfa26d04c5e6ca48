#include "controls/explbtn.h"
#include "document/f_html.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

namespace {

class EditCommands : public TempSettingsTest {
protected:
    static void click(THTML &document, const char *name)
    {
        document.Panel4->findChild<TExplorerButton *>(QLatin1String(name))->click();
    }
};

// Indent puts two blanks before the caret's line only, whatever the selection; Unindent takes
// two leading blanks away or leaves the line and caret alone. Either puts the caret at the end.
TEST_F(EditCommands, IndentAndUnindentTheCaretsLine)
{
    const struct {
        QString before;
        int line, column;
        const char *clicks; // '+' Indent, '-' Unindent
        QString after;
        int caretColumn, caretLine;
        int selected = 0; // characters selected after the caret
    } cases[] = {
        {"a\n<P>\nb", 1, 1, "++-", "a\n  <P>\nb", 5, 1},
        {"abcdef", 0, 3, "+", "  abcdef", 8, 0},
        {"a\n\nb", 1, 0, "+", "a\n  \nb", 2, 1},
        {"", 0, 0, "+", "  ", 2, 0},
        {"one\ntwo\nthree\nfour", 1, 1, "+", "one\n  two\nthree\nfour", 5, 1, 7},
        {"   x", 0, 1, "-", " x", 2, 0},
        {" x", 0, 1, "-", " x", 1, 0},
        {"\t x", 0, 1, "-", "\t x", 1, 0},
        {"x  ", 0, 1, "-", "x  ", 1, 0},
        {"", 0, 0, "-", "", 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.before.toStdString() + " " + c.clicks);
        auto document = makeDocument(c.before, c.line, c.column);
        QTextCursor cursor = document->RichEdit->textCursor();
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, c.selected);
        document->RichEdit->setTextCursor(cursor);
        for (const char *click = c.clicks; *click; ++click)
            EditCommands::click(*document, *click == '+' ? "ebIndent" : "ebUnIndent");
        EXPECT_EQ(documentText(*document), c.after);
        EXPECT_FALSE(document->RichEdit->textCursor().hasSelection());
        EXPECT_EQ(document->statusText(0),
                  QStringLiteral("%1:%2").arg(c.caretColumn).arg(c.caretLine));
        EXPECT_EQ(document->isModified(), c.after != c.before);
        EXPECT_EQ(document->statusText(1), c.after == c.before ? "" : "modified...");
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

// Paste of nothing, and Cut and Copy without a selection, change nothing; pasted line breaks
// make lines.
TEST_F(EditCommands, CutCopyPasteThroughTheClipboard)
{
    auto document = makeDocument("one two");
    QApplication::clipboard()->clear();
    click(*document, "ebPase");
    QApplication::clipboard()->setText("kept");
    click(*document, "ebCut");
    click(*document, "ebCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
    EXPECT_EQ(documentText(*document), "one two");
    EXPECT_FALSE(document->isModified());

    QTextCursor word(document->RichEdit->document());
    word.setPosition(4);
    word.setPosition(7, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(word);
    click(*document, "ebCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "two");
    EXPECT_EQ(documentText(*document), "one two");
    click(*document, "ebCut");
    EXPECT_EQ(documentText(*document), "one ");
    document->RichEdit->setCaret(0, 0);
    click(*document, "ebPase");
    EXPECT_EQ(documentText(*document), "twoone ");
    click(*document, "ebUndo");
    EXPECT_EQ(documentText(*document), "one ");
    QApplication::clipboard()->setText("a\r\nb\nc");
    document->sbPasteClick();
    EXPECT_EQ(documentText(*document), "one a\nb\nc");
}

} // namespace
