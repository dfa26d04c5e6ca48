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
#include <QToolButton>
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
    void TearDown() override
    {
        EXPECT_TRUE(driver.allHandled());
        EXPECT_EQ(driver.unexpected(), QStringList());
    }

    // Types the search into the dialog, as the user would, and sets its options.
    static void prepare(TFindDialog &dialog, const QString &text, bool down = true,
                        bool matchCase = false, bool wholeWord = false)
    {
        dialog.eFindText->setText(text);
        (down ? dialog.rbDown : dialog.rbUp)->setChecked(true);
        dialog.cbMatchCase->setChecked(matchCase);
        dialog.cbWholeWord->setChecked(wholeWord);
    }

    ModalDriver driver;
};

TEST_F(FindDialogs, FindNextSelectsEachHitThenSaysCannotFind)
{
    auto document = makeDocument("HTML html");
    prepare(*document->FindDialog1, "html");
    document->FindDialog1->bbFindNext->click();
    EXPECT_EQ(selection(*document), (Selection{0, 4}));
    document->FindDialog1->bbFindNext->click();
    EXPECT_EQ(selection(*document), (Selection{5, 4}));
    driver.answer("OK");
    document->FindDialog1->bbFindNext->click();
    EXPECT_EQ(driver.messages(), QStringList{"Information|Cannot find \"html\"."});
    EXPECT_EQ(selection(*document), (Selection{5, 4})); // left alone
}

// The scan rules are checked in the rules test; here each option of the dialog reaches the search.
TEST_F(FindDialogs, EachOptionReachesTheSearch)
{
    struct Row {
        const char *text;
        int column;
        const char *search;
        bool down, matchCase, wholeWord;
        Selection hit;
    };
    const Row rows[] = {
        {"HTML html", 0, "html", true, true, false, {5, 4}},
        {"<B>bold</B>", 0, "B", true, false, true, {1, 1}},
        {"cat dog cat", 0, "cat", true, false, true, {8, 3}},
        {"cat dog cat", 11, "cat", false, false, false, {8, 3}},
    };
    for (const Row &row : rows) {
        auto document = makeDocument(row.text, 0, row.column);
        prepare(*document->FindDialog1, row.search, row.down, row.matchCase, row.wholeWord);
        document->FindNext();
        EXPECT_EQ(selection(*document), row.hit) << row.text << " " << row.search;
    }
}

TEST_F(FindDialogs, HitOnTheLastCharacterAndOnLaterLines)
{
    auto document = makeDocument("ab\ncd\nx ab");
    prepare(*document->FindDialog1, "ab");
    select(*document, 0, 2);
    document->FindNext();
    EXPECT_EQ(selection(*document), (Selection{8, 2})); // a line break is one position
    EXPECT_EQ(document->RichEdit->Row(), 2);
    EXPECT_EQ(document->RichEdit->Col(), 2);
}

TEST_F(FindDialogs, F3BeforeAnythingWasTypedSearchesTheEmptyText)
{
    auto document = makeDocument("abc", 0, 1);
    driver.answer("OK");
    document->FindNext();
    EXPECT_EQ(driver.messages(), QStringList{"Information|Cannot find \"\"."});
    EXPECT_EQ(selection(*document), (Selection{1, 0}));
}

TEST_F(FindDialogs, EmptyDocumentFindsNothing)
{
    auto document = makeDocument("");
    prepare(*document->FindDialog1, "a");
    driver.answer("OK");
    document->FindNext();
    EXPECT_EQ(driver.messages(), QStringList{"Information|Cannot find \"a\"."});
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

TEST_F(FindDialogs, EachWindowKeepsItsOwnDialogsBetweenUses)
{
    auto first = makeDocument("x");
    auto second = makeDocument("x");
    first->sbSearchClick();
    EXPECT_TRUE(first->FindDialog1->isVisible());
    EXPECT_FALSE(first->FindDialog1->isModal());
    prepare(*first->FindDialog1, "needle", false, true, true);
    first->FindDialog1->move(40, 50);
    first->FindDialog1->bbCancel->click();
    EXPECT_FALSE(first->FindDialog1->isVisible());

    first->sbSearchClick();
    EXPECT_EQ(first->FindDialog1->FindText(), "needle");
    EXPECT_TRUE(first->FindDialog1->rbUp->isChecked());
    EXPECT_TRUE(first->FindDialog1->cbMatchCase->isChecked());
    EXPECT_TRUE(first->FindDialog1->cbWholeWord->isChecked());
    EXPECT_EQ(first->FindDialog1->pos(), QPoint(40, 50));
    EXPECT_EQ(second->FindDialog1->FindText(), "");
    EXPECT_TRUE(second->FindDialog1->rbDown->isChecked());
    EXPECT_EQ(first->ReplaceDialog1->FindText(), "");
    first->FindDialog1->close();
}

TEST_F(FindDialogs, ButtonsOpenTheDialogsAndSearchNeedsAText)
{
    auto document = makeDocument("x");
    document->Panel4->findChild<QToolButton *>("ebSearch")->click();
    EXPECT_TRUE(document->FindDialog1->isVisible());
    EXPECT_FALSE(document->FindDialog1->bbFindNext->isEnabled());
    document->FindDialog1->eFindText->setText("x");
    EXPECT_TRUE(document->FindDialog1->bbFindNext->isEnabled());
    document->Panel4->findChild<QToolButton *>("ebReplace")->click();
    TReplaceDialog &replace = *document->ReplaceDialog1;
    EXPECT_TRUE(replace.isVisible());
    EXPECT_FALSE(replace.bbReplace->isEnabled() || replace.bbReplaceAll->isEnabled());
    replace.eFindText->setText("x");
    EXPECT_TRUE(replace.bbReplace->isEnabled() && replace.bbReplaceAll->isEnabled());
    document->FindDialog1->close();
    replace.close();
}

TEST_F(FindDialogs, FindNextOfTheReplaceDialogUsesItsOwnText)
{
    auto document = makeDocument("ab cd");
    prepare(*document->FindDialog1, "ab");
    prepare(*document->ReplaceDialog1, "cd");
    document->ReplaceDialog1->bbFindNext->click();
    EXPECT_EQ(selection(*document), (Selection{3, 2}));
}

TEST_F(FindDialogs, ReplaceWithNothingSelectedFirstOnlySelectsTheHit)
{
    auto document = makeDocument("a x b x c x");
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "x");
    dialog.eReplaceText->setText("YY");
    dialog.bbReplace->click();
    EXPECT_EQ(documentText(*document), "a x b x c x");
    EXPECT_EQ(selection(*document), (Selection{2, 1}));
    dialog.bbReplace->click();
    EXPECT_EQ(documentText(*document), "a YY b x c x");
    EXPECT_EQ(selection(*document), (Selection{7, 1}));
    dialog.bbReplace->click();
    EXPECT_EQ(documentText(*document), "a YY b YY c x");
    EXPECT_EQ(selection(*document), (Selection{12, 1}));
    driver.answer("OK");
    dialog.bbReplace->click();
    EXPECT_EQ(documentText(*document), "a YY b YY c YY");
    EXPECT_EQ(driver.messages(), QStringList{"Information|Cannot find \"x\"."});
}

TEST_F(FindDialogs, ReplaceTakesASelectionThatDiffersOnlyInCase)
{
    auto document = makeDocument("HTML html");
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "html", true, true);
    dialog.eReplaceText->setText("x");
    select(*document, 0, 4);
    dialog.bbReplace->click();
    EXPECT_EQ(documentText(*document), "x html");
    EXPECT_EQ(selection(*document), (Selection{2, 4}));
}

TEST_F(FindDialogs, ReplaceAllStrongForBoldSilentlyAsOneUndoStep)
{
    const QString text = "<B>one</B>\n<P><B>two</B> <B>three</B>\n<b>four</b>";
    auto document = makeDocument(text);
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "<B>");
    dialog.eReplaceText->setText("<STRONG>");
    dialog.bbReplaceAll->click();
    EXPECT_EQ(documentText(*document),
              "<STRONG>one</B>\n<P><STRONG>two</B> <STRONG>three</B>\n<STRONG>four</b>");
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(document->statusText(1), "modified...");
    EXPECT_FALSE(dialog.ReplaceAll()); // the flag is set only while the button's event runs
    document->sbUndoClick();
    EXPECT_EQ(documentText(*document), text);
}

TEST_F(FindDialogs, ReplaceAllStartsAtTheSelection)
{
    auto document = makeDocument("ab ab ab ab", 0, 4);
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "ab");
    dialog.eReplaceText->setText("X");
    dialog.bbReplaceAll->click();
    EXPECT_EQ(documentText(*document), "ab ab X X");
    EXPECT_EQ(selection(*document), (Selection{9, 0}));
}

TEST_F(FindDialogs, ReplaceAllUpWithTheSearchTextInTheReplacementTerminates)
{
    auto document = makeDocument("<B>a</B>\n<B>b</B>", 1, 8);
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "B", false, true);
    dialog.eReplaceText->setText("BB");
    dialog.bbReplaceAll->click();
    EXPECT_EQ(documentText(*document), "<BB>a</BB>\n<BB>b</BB>");
    EXPECT_EQ(selection(*document), (Selection{3, 0})); // after the last replacement
}

TEST_F(FindDialogs, ReplaceUpFindsAHitThatRunsIntoTheReplacement)
{
    auto document = makeDocument("aAB");
    select(*document, 1, 2);
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "ab", false);
    dialog.eReplaceText->setText("b");
    dialog.bbReplace->click();
    EXPECT_EQ(documentText(*document), "ab");
    EXPECT_EQ(selection(*document), (Selection{0, 2}));
}

TEST_F(FindDialogs, ReplaceAllWithoutAHitChangesNothingAndSaysNothing)
{
    auto document = makeDocument("abc", 0, 1);
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    prepare(dialog, "x");
    dialog.bbReplaceAll->click();
    EXPECT_EQ(documentText(*document), "abc");
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(selection(*document), (Selection{1, 0}));
}

} // namespace
