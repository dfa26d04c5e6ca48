#include "document/find_dialogs.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/insertion_cases.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <array>
#include <gtest/gtest.h>
#include <vector>

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

// Insertions and caret writes collapse a selection; they never replace it.
TEST(EditorInsertion, SelectionIsCollapsedNeverReplaced)
{
    const struct {
        const char *name;
        std::function<void(THTML &)> operation;
        QString after;
        int caret;
    } rows[] = {
        {"tag", [](THTML &d) { d.InsertAtCaret("<B></B>", true, 3); }, "ab<B></B>cdef\nxyz", 5},
        {"line", [](THTML &d) { d.InsertLine("X"); }, "X\nabcdef\nxyz", 2},
        {"column", [](THTML &d) { d.RichEdit->setCol(1); }, "abcdef\nxyz", 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto document = makeDocument("abcdef\nxyz");
        QTextCursor selection = document->RichEdit->textCursor();
        selection.setPosition(4);
        selection.setPosition(2, QTextCursor::KeepAnchor); // "cd", caret at the smaller end
        document->RichEdit->setTextCursor(selection);
        row.operation(*document);
        EXPECT_EQ(documentText(*document), row.after);
        EXPECT_FALSE(document->RichEdit->textCursor().hasSelection());
        EXPECT_EQ(document->RichEdit->textCursor().position(), row.caret);
    }
}

// The clamping rules are in the lines test; here they see the editor's lines.
TEST(EditorCaret, RowColAndLineCountSeeTheEditorsLines)
{
    auto document = makeDocument("first\nsecond line\n", 1, 4);
    TSRichEdit &edit = *document->RichEdit;
    EXPECT_EQ(edit.Row(), 1);
    EXPECT_EQ(edit.Col(), 4);
    edit.setCol(99);
    EXPECT_EQ(edit.Col(), 11);
    edit.setRow(7); // the final empty line is not reachable
    EXPECT_EQ(edit.Row(), 1);
    EXPECT_EQ(edit.Col(), 0);
    EXPECT_EQ(document->LineCount(), 2);
    EXPECT_EQ(makeDocument("")->LineCount(), 0);
}

class EditorView : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString text = QString("<TD>cell</TD>\n").repeated(5000);
        text += QString(600, u'x') + u'\n';
        document = makeDocument(text);
        document->resize(646, 480);
        document->show();
        QCoreApplication::processEvents();
    }

    TSRichEdit &edit() { return *document->RichEdit; }
    bool caretShown() { return edit().viewport()->rect().contains(edit().cursorRect()); }

    std::unique_ptr<THTML> document;
};

TEST_F(EditorView, FarCaretMovesAreShown)
{
    for (const auto &[row, col] : {std::pair(4000, 0), {2000, 0}, {5000, 550}}) {
        edit().setRow(row);
        edit().setCol(col);
        EXPECT_EQ(edit().Row(), row);
        EXPECT_EQ(edit().Col(), col);
        EXPECT_TRUE(caretShown()) << row;
    }
}

TEST_F(EditorView, UndoAndRedoLeaveTheCaretAtTheEdit)
{
    // The reference is typing: its undo and redo keep the caret, and the view, at the edit.
    const struct {
        const char *name;
        std::function<void(THTML &)> edit;
    } rows[] = {
        {"typing", [](THTML &d) { QTest::keyClicks(d.RichEdit, "ab"); }},
        {"tag", [](THTML &d) { d.InsertAtCaret("<B></B>", true, 3); }},
        {"rule", [](THTML &d) { d.InsertLine("<HR>"); }},
        {"appended line", [](THTML &d) { d.AppendLine("</TABLE>"); }},
        {"indent", [](THTML &d) { d.sbIndentClick(); }},
        {"replacement",
         [](THTML &d) {
             d.ReplaceDialog1->eFindText->setText("cell");
             d.ReplaceDialog1->eReplaceText->setText("data");
             d.ReplaceDialog1->bbReplaceAll->click();
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        edit().setRow(4000);
        edit().setCol(4);
        const QString before = documentText(*document);
        row.edit(*document);
        QCoreApplication::processEvents();
        EXPECT_TRUE(caretShown());
        const int rowAfter = edit().Row();
        edit().undo();
        EXPECT_EQ(documentText(*document), before);
        EXPECT_EQ(edit().Row(), 4000);
        EXPECT_EQ(edit().Col(), 4);
        EXPECT_TRUE(caretShown());
        edit().redo();
        EXPECT_GE(edit().Row(), 4000); // within the lines the step changed
        EXPECT_LE(edit().Row(), rowAfter);
        EXPECT_TRUE(caretShown());
        edit().undo();
    }
}

// The editor lays out no long line; it must behave as the base class does with the line laid out.
class EditorLongLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString line = QString("<td class=c>cell</td>").repeated(400);
        line.insert(30, u"\tcaf\u00e9\t\U0001D11E!"); // tab stops, a wide character
        const QString text = "<p>short</p>\n" + line + "\n<p>after</p>";
        edit.setPlainText(text);
        edit.applyLook("Liberation Mono", 10, 0x000000, 0xFFFFFF);
        plain.setPlainText(text);
        plain.setLineWrapMode(QPlainTextEdit::NoWrap);
        plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        plain.setFont(edit.font());
        plain.setPalette(edit.palette());
        for (QPlainTextEdit *editor : editors()) {
            editor->resize(500, 200);
            editor->show();
        }
        QGuiApplication::styleHints()->setCursorFlashTime(0); // both carets steady
        QCoreApplication::processEvents();
    }
    void TearDown() override { QGuiApplication::styleHints()->setCursorFlashTime(appFlashTime); }

    std::array<QPlainTextEdit *, 2> editors() { return {&edit, &plain}; }
    // A point on the long line, x pixels into the view.
    QPoint onLongLine(int x)
    {
        const QTextCursor line(plain.document()->findBlockByNumber(1));
        return {x, plain.cursorRect(line).center().y()};
    }
    void expectSameView()
    {
        QCoreApplication::processEvents();
        EXPECT_EQ(edit.toPlainText(), plain.toPlainText());
        EXPECT_EQ(edit.textCursor().position(), plain.textCursor().position());
        EXPECT_EQ(edit.textCursor().anchor(), plain.textCursor().anchor());
        EXPECT_EQ(edit.horizontalScrollBar()->value(), plain.horizontalScrollBar()->value());
        EXPECT_EQ(edit.verticalScrollBar()->value(), plain.verticalScrollBar()->value());
        EXPECT_EQ(edit.cursorRect().left(), plain.cursorRect().left());
        EXPECT_TRUE(shown(edit) == shown(plain));
    }
    // The view with the focus, the caret on.
    static QImage shown(QPlainTextEdit &editor)
    {
        QApplication::setActiveWindow(&editor);
        editor.setFocus();
        QCoreApplication::processEvents();
        return editor.viewport()->grab().toImage();
    }

    const int appFlashTime = QGuiApplication::styleHints()->cursorFlashTime();
    TSRichEdit edit;
    QPlainTextEdit plain;
};

TEST_F(EditorLongLine, ActsAsTheBaseClassWithTheLineLaidOut)
{
    using Act = std::function<void(QPlainTextEdit &)>;
    const auto keys = [](std::vector<Qt::Key> keys, Qt::KeyboardModifiers with = {}) -> Act {
        return [=](QPlainTextEdit &e) {
            for (Qt::Key key : keys)
                QTest::keyClick(&e, key, with);
        };
    };
    const auto place = [](int position, int anchor) -> Act {
        return [=](QPlainTextEdit &e) {
            QTextCursor cursor(e.document());
            cursor.setPosition(anchor);
            cursor.setPosition(position, QTextCursor::KeepAnchor);
            e.setTextCursor(cursor);
        };
    };
    const auto typed = [](const char *text) -> Act {
        return [=](QPlainTextEdit &e) { QTest::keyClicks(&e, text); };
    };
    const auto mouse = [this](QTest::MouseAction action, int x, Qt::KeyboardModifiers with = {}) {
        const Qt::MouseButton button = action == QTest::MouseMove ? Qt::NoButton : Qt::LeftButton;
        return Act([=, this](QPlainTextEdit &e) {
            QTest::mouseEvent(action, e.viewport(), button, with, onLongLine(x));
        });
    };
    const auto seq = [](std::vector<Act> acts) -> Act {
        return [=](QPlainTextEdit &e) {
            for (const Act &act : acts)
                act(e);
        };
    };
    using enum Qt::Key;
    const struct {
        const char *name;
        Act act;
    } rows[] = {
        {"caret placed", place(20, 20)},
        {"selection placed", place(4000, 30)},
        {"far caret scrolls sideways", place(6000, 5000)},
        {"arrows over tabs and a wide character",
         seq({place(40, 40), keys(std::vector(9, Key_Right)), keys({Key_Left})})},
        {"shift and arrows select", keys({Key_Right, Key_Right}, Qt::ShiftModifier)},
        {"arrow from a selection", keys({Key_Left})},
        {"down into the long line", seq({place(9, 9), keys({Key_Down})})},
        {"down and up keep the column", keys({Key_Down, Key_Up, Key_Up})},
        {"end and typing", seq({keys({Key_Down, Key_End}), typed("xy")})},
        {"up from the line end", keys({Key_Up})},
        {"home, right at the line end crosses",
         keys({Key_Down, Key_Home, Key_Right, Key_End, Key_Right})},
        {"backspace and delete",
         seq({place(50, 50), keys({Key_Backspace, Key_Backspace, Key_Delete})})},
        {"typing and undo",
         seq({place(3000, 3000), typed("ab"), keys({Key_Z}, Qt::ControlModifier)})},
        {"click", mouse(QTest::MouseClick, 123)},
        {"shift click", mouse(QTest::MouseClick, 301, Qt::ShiftModifier)},
        {"drag", seq({mouse(QTest::MousePress, 60), mouse(QTest::MouseMove, 250),
                      mouse(QTest::MouseRelease, 250)})},
        {"word moves", keys({Key_Right, Key_Right, Key_Left}, Qt::ControlModifier)},
        {"word selection and erasing",
         seq({keys({Key_Right, Key_Right}, Qt::ControlModifier | Qt::ShiftModifier),
              keys({Key_Right, Key_Delete, Key_Backspace}, Qt::ControlModifier)})},
        {"return splits the line, backspace joins it",
         seq({place(4500, 4500), keys({Key_Return, Key_Up, Key_Down, Key_Home, Key_Backspace})})},
        {"double click selects a word", mouse(QTest::MouseDClick, 340)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        for (QPlainTextEdit *editor : editors())
            row.act(*editor);
        expectSameView();
    }
    EXPECT_EQ(edit.document()->findBlockByNumber(1).layout()->lineCount(), 0); // never laid out
}

TEST(EditorLongLineCaret, OutOfViewIsBroughtBack)
{
    const QString lines = QString("<p>x</p>\n").repeated(200);
    auto document = makeDocument(lines + QString(5000, u'x') + "\n" + lines, 200, 3000);
    document->resize(600, 300);
    document->show();
    TSRichEdit &edit = *document->RichEdit;
    const struct {
        const char *name;
        std::function<void()> act;
    } rows[] = {
        {"typing", [&] { QTest::keyClick(&edit, Qt::Key_A); }},
        {"undo", [&] { edit.undo(); }},
        {"redo", [&] { edit.redo(); }},
        {"right", [&] { QTest::keyClick(&edit, Qt::Key_Right); }},
        {"end", [&] { QTest::keyClick(&edit, Qt::Key_End); }},
        {"page down", [&] { QTest::keyClick(&edit, Qt::Key_PageDown); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        edit.verticalScrollBar()->setValue(0);
        edit.horizontalScrollBar()->setValue(0);
        QCoreApplication::processEvents();
        row.act();
        QCoreApplication::processEvents();
        EXPECT_TRUE(edit.viewport()->rect().contains(edit.cursorRect()));
    }
    EXPECT_TRUE(edit.blockText(200) == QString(3000, u'x') + u'a' + QString(2000, u'x'));
}

TEST(EditorCaret, AnEditStepShowsItsCaretOnce)
{
    auto document = makeDocument("a\nb\nc\nd", 0, 0);
    TSRichEdit &edit = *document->RichEdit;
    QSignalSpy moves(&edit, &QPlainTextEdit::cursorPositionChanged);
    int rowInside = -1;
    edit.editStep([&] {
        edit.setRow(1);
        edit.setRow(3);
        edit.setCol(1);
        rowInside = edit.Row();
    });
    EXPECT_EQ(rowInside, 3);
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(edit.textCursor().blockNumber(), 3);
    EXPECT_EQ(edit.textCursor().positionInBlock(), 1);
}

TEST(EditorLoad, ReportsTheCharactersThatHaveArrived)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("big.htm");
    const QByteArray line = "<P>a line of text</P>\r\n";
    writeBytes(path, line.repeated(40000));
    TSRichEdit edit;
    QList<qint64> reports;
    ASSERT_TRUE(edit.loadFile(path, [&](qint64 done) { reports.append(done); }).ok);
    ASSERT_GT(reports.size(), 1);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    // Every CR LF arrives as one character.
    EXPECT_EQ(reports.last(), 40000 * (line.size() - 1));
    EXPECT_TRUE(edit.viewport()->updatesEnabled());
}

} // namespace
