#include "controls/explbtn.h"
#include "document/f_html.h"
#include "document/find_dialogs.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

struct Selection {
    int start;
    int length;
    bool operator==(const Selection &) const = default;
};

void PrintTo(const Selection &s, std::ostream *out)
{
    *out << s.start << "+" << s.length;
}

Selection selection(const THTML &document)
{
    const QTextCursor cursor = document.RichEdit->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void select(THTML &document, int start, int length)
{
    QTextCursor cursor(document.RichEdit->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    document.RichEdit->setTextCursor(cursor);
}

class FindDialogs : public TempSettingsTest {
protected:
    // Types the search into the dialog, as the user would, and sets its options.
    static void prepare(TFindDialog &dialog, const QString &text, bool down = true,
                        bool matchCase = false, bool wholeWord = false)
    {
        dialog.eFindText->setText(text);
        (down ? dialog.rbDown : dialog.rbUp)->setChecked(true);
        dialog.cbMatchCase->setChecked(matchCase);
        dialog.cbWholeWord->setChecked(wholeWord);
    }
    // Runs a dialog command on a document, answering the message it may give.
    static QStringList run(const std::function<void()> &command, bool message)
    {
        ModalDriver messages;
        if (message)
            messages.answer("OK");
        command();
        return messages.messages();
    }

    ModalDriver driver;
};

// The scan rules are checked in the rules test; here each dialog and option reaches the search,
// a hit is selected (a line break counting one position) and a miss is told.
TEST_F(FindDialogs, FindNextSelectsTheHitOrSaysCannotFind)
{
    enum Via { FindButton, ReplaceButton, F3 };
    const struct {
        const char *text;
        Selection from;
        const char *search; // typed into the dialog the command goes through
        bool down, matchCase, wholeWord;
        Via via;
        Selection hit;
        const char *message = nullptr;
    } rows[] = {
        {"HTML html", {0, 4}, "html", true, false, false, FindButton, {5, 4}},
        {"HTML html", {5, 4}, "html", true, false, false, FindButton, {5, 4}, "\"html\""},
        {"HTML html", {0, 0}, "html", true, true, false, F3, {5, 4}},
        {"<B>bold</B>", {0, 0}, "B", true, false, true, F3, {1, 1}},
        {"cat dog cat", {11, 0}, "cat", false, false, false, F3, {8, 3}},
        {"ab\ncd\nx ab", {0, 2}, "ab", true, false, false, F3, {8, 2}},
        {"ab cd", {0, 0}, "cd", true, false, false, ReplaceButton, {3, 2}},
        {"abc", {1, 0}, "", true, false, false, F3, {1, 0}, "\"\""}, // nothing typed yet
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text + std::string(" / ") + row.search);
        auto document = makeDocument(row.text);
        select(*document, row.from.start, row.from.length);
        TFindDialog &dialog =
            row.via == ReplaceButton ? *document->ReplaceDialog1 : *document->FindDialog1;
        prepare(dialog, row.search, row.down, row.matchCase, row.wholeWord);
        if (row.via == ReplaceButton)
            prepare(*document->FindDialog1, "ab"); // not the one searched for
        const QStringList messages =
            run([&] { row.via == F3 ? document->FindNext() : dialog.bbFindNext->click(); },
                row.message);
        EXPECT_EQ(selection(*document), row.hit);
        EXPECT_EQ(messages,
                  row.message ? QStringList{"Information|Cannot find " + QString(row.message) + "."}
                              : QStringList());
    }
}

TEST_F(FindDialogs, SearchSeesEditsMadeSinceTheLastSearch)
{
    auto document = makeDocument("one\ntwo");
    document->sbSearchClick();
    prepare(*document->FindDialog1, "new");
    driver.answer("OK");
    document->FindNext();
    document->RichEdit->setCaret(1, 3);
    document->InsertAtCaret(" new", false, 0);
    document->RichEdit->setCaret(0, 0);
    document->FindNext();
    EXPECT_EQ(selection(*document), (Selection{8, 3}));
    document->FindDialog1->close();
}

// The buttons open each window's own modeless dialogs, which keep their text, options and place
// between uses; searching needs a text.
TEST_F(FindDialogs, ButtonsOpenEachWindowsOwnDialogs)
{
    auto first = makeDocument("x");
    auto second = makeDocument("x");
    TFindDialog &find = *first->FindDialog1;
    first->Panel4->findChild<TExplorerButton *>("ebSearch")->click();
    EXPECT_TRUE(find.isVisible());
    EXPECT_FALSE(find.isModal());
    EXPECT_FALSE(find.bbFindNext->isEnabled());
    prepare(find, "needle", false, true, true);
    EXPECT_TRUE(find.bbFindNext->isEnabled());
    find.move(40, 50);
    find.bbCancel->click();
    EXPECT_FALSE(find.isVisible());
    first->sbSearchClick();
    EXPECT_EQ(find.FindText(), "needle");
    EXPECT_TRUE(find.rbUp->isChecked() && find.cbMatchCase->isChecked() &&
                find.cbWholeWord->isChecked());
    EXPECT_EQ(find.pos(), QPoint(40, 50));
    EXPECT_EQ(second->FindDialog1->FindText(), "");
    EXPECT_TRUE(second->FindDialog1->rbDown->isChecked());

    first->Panel4->findChild<TExplorerButton *>("ebReplace")->click();
    TReplaceDialog &replace = *first->ReplaceDialog1;
    EXPECT_TRUE(replace.isVisible());
    EXPECT_EQ(replace.FindText(), "");
    EXPECT_FALSE(replace.bbReplace->isEnabled() || replace.bbReplaceAll->isEnabled());
    replace.eFindText->setText("x");
    EXPECT_TRUE(replace.bbReplace->isEnabled() && replace.bbReplaceAll->isEnabled());
    // Tab goes from the search text to the replacement, not through the buttons first.
    QWidget *next = replace.eFindText;
    for (const char *name : {"eReplaceText", "cbWholeWord"}) {
        do
            next = next->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(next->objectName(), name);
    }
    find.close();
    replace.close();
}

// Replace takes a selection that is a hit (whatever the case) and selects the next hit; without
// one it first only selects a hit. Replace All is silent, one undo step, and leaves the caret
// after its last replacement. The exact outputs are in the rules test.
TEST_F(FindDialogs, ReplaceAndReplaceAll)
{
    const struct {
        const char *text;
        Selection from;
        const char *search, *replacement;
        bool down, matchCase, all;
        const char *after;
        Selection selected;
        bool message = false;
    } rows[] = {
        {"a x b x", {0, 0}, "x", "YY", true, false, false, "a x b x", {2, 1}},
        {"a x b x", {2, 1}, "x", "YY", true, false, false, "a YY b x", {7, 1}},
        {"a x", {2, 1}, "x", "YY", true, false, false, "a YY", {4, 0}, true},
        {"aAB", {1, 2}, "ab", "b", false, false, false, "ab", {0, 2}}, // runs into the new text
        {"<B>\n<b> <B>", {0, 0}, "<B>", "<S>", true, false, true, "<S>\n<S> <S>", {11, 0}},
        {"x\nx x", {5, 0}, "x", "xx", false, true, true, "xx\nxx xx", {2, 0}},
        {"abc", {1, 0}, "x", "y", true, false, true, "abc", {1, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text + std::string(" / ") + row.search);
        auto document = makeDocument(row.text);
        select(*document, row.from.start, row.from.length);
        TReplaceDialog &dialog = *document->ReplaceDialog1;
        prepare(dialog, row.search, row.down, row.matchCase);
        dialog.eReplaceText->setText(row.replacement);
        const QStringList messages =
            run([&] { (row.all ? dialog.bbReplaceAll : dialog.bbReplace)->click(); }, row.message);
        EXPECT_EQ(documentText(*document), row.after);
        EXPECT_EQ(selection(*document), row.selected);
        EXPECT_EQ(messages.size(), row.message ? 1 : 0);
        const bool changed = row.after != QString(row.text);
        EXPECT_EQ(document->isModified(), changed);
        EXPECT_EQ(document->statusText(1), changed ? "modified..." : "");
        EXPECT_FALSE(dialog.ReplaceAll()); // set only while the button's event runs
        document->sbUndoClick();
        EXPECT_EQ(documentText(*document), row.text);
    }
}

} // namespace
