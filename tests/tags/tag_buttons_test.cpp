#include "controls/explbtn.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "tags/tag_buttons.h"
#include "tags/tag_buttons_markup.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// button() finds the one tag button of the window by that name.
class TagButtons : public DocumentTest {
protected:
    TExplorerButton *button(const char *name)
    {
        const auto found = document->findChildren<TExplorerButton *>(name);
        EXPECT_EQ(found.size(), 1) << name;
        return found.value(0);
    }
};

// The texts themselves are the markup test's; here each click must reach its own row.
TEST_F(TagButtons, EveryAtCaretButtonWritesItsRowAsOneUndoStep)
{
    for (const TagButton &row : tagButtons()) {
        if (row.insertion != TagInsertion::AtCaret)
            continue;
        open("x\nabcdef", 1, 3);
        click(row.name);
        EXPECT_EQ(text(), QString("x\nabc") + row.text + "def") << row.name;
        EXPECT_EQ(document->RichEdit->Row(), 1) << row.name;
        EXPECT_EQ(document->statusText(1), "modified...") << row.name;
        document->RichEdit->undo();
        EXPECT_EQ(text(), "x\nabcdef") << row.name;
        TearDown();
    }
}

TEST_F(TagButtons, EveryButtonIsDressedAndPlacedFromItsRow)
{
    open("", 0, 0);
    const int pageWidth = document->PageControl1->currentWidget()->width();
    const TagButton *previous = nullptr;
    for (const TagButton &row : tagButtons()) {
        TExplorerButton *face = button(row.name);
        ASSERT_NE(face, nullptr) << row.name;
        EXPECT_EQ(face->parentWidget()->objectName(), row.page) << row.name;
        EXPECT_EQ(face->toolTip(), row.hint) << row.name;
        EXPECT_EQ(face->Caption().isEmpty(), row.face == TagFace::Picture) << row.name;
        EXPECT_EQ(face->Bitmap().isNull(), row.face != TagFace::Picture) << row.name;
        // Captions rest in the window text colour and turn blue under the pointer.
        EXPECT_EQ(face->palette().color(QPalette::ButtonText) == QColor(Qt::blue),
                  row.face != TagFace::Picture)
            << row.name;
        EXPECT_EQ(face->geometry(), tagButtonSlot(row.name)) << row.name;
        EXPECT_EQ(face->height(), 25) << row.name;
        EXPECT_LE(face->geometry().right(), pageWidth) << row.name;
        if (previous && qstrcmp(previous->page, row.page) == 0) {
            EXPECT_GT(face->x(), button(previous->name)->geometry().right()) << row.name;
        }
        previous = &row;
    }
    EXPECT_TRUE(button("ebPreform")->font().bold());
    // The dialog buttons sit in their own slots, named for screen readers by their hints.
    for (const char *name :
         {"ebQuickDoc",     "ebHeading",  "ebAnchor",     "ebImage",     "ebQuickFont",
          "ebParty",        "ebColorMix", "ebImgGallery", "ebQuickForm", "ebForm",
          "ebText",         "ebHidden",   "ebBox",        "ebCB",        "ebRB",
          "ebDrop",         "ebSubmit",   "ebReset",      "ebTableEdit", "ebTable",
          "ebTableCaption", "ebFrameset", "ebFrame",      "ebNoframes"}) {
        EXPECT_EQ(button(name)->geometry(), tagButtonSlot(name)) << name;
        EXPECT_EQ(button(name)->accessibleName(), button(name)->toolTip()) << name;
    }
    EXPECT_FALSE(tagButtonSlot("ebNothing").isValid());
}

TEST_F(TagButtons, ASelectionIsNotWrapped)
{
    open("abcdef", 0, 1);
    QTextCursor cursor = document->RichEdit->textCursor();
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    document->RichEdit->setTextCursor(cursor);
    click("ebBold");
    EXPECT_EQ(text(), "a<B></B>bcdef");
    EXPECT_EQ(document->RichEdit->Col(), 4);
}

TEST_F(TagButtons, DispatchersIgnoreOtherButtons)
{
    open("abcdef", 0, 3);
    document->sbDocStrucClick(button("ebPreform"));
    document->sbDocFontClick(button("ebBold"));
    document->sbTableRowClick(button("ebTD"));
    document->sbDocStrucClick(nullptr);
    EXPECT_EQ(text(), "abcdef");
    document->sbDocFontClick(button("ebSub"));
    EXPECT_EQ(text(), "abc<SUB></SUB>def");
}

// The heights as typed are the dialog's and the markup's tests; here the setting and the buttons.
// The height goes in exactly as typed.
TEST_F(TagButtons, RuleAsksForTheHeightOnlyWhileTheSettingIsOnAtTheClickAndCancelWritesNothing)
{
    settings.store("Netscape", "UseNetscapeExt", false);
    open("abcdef", 0, 3);
    click("ebHRule");
    settings.store("Netscape", "UseNetscapeExt", true);
    QString shown;
    driver
        .then([&](QWidget *dialog) {
            shown =
                dialog->windowTitle() + "|" + dialog->findChild<QLineEdit *>("eHRHeight")->text();
            setControlText(dialog, "eHRHeight", " 3 px");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            setControlText(dialog, "eHRHeight", "9");
            pressButton(dialog, "bbCancel");
        });
    click("ebHRule");
    click("ebHRule");
    settings.store("Netscape", "UseNetscapeExt", false);
    click("ebHRule");
    EXPECT_EQ(shown, "Horizontal Rule|1");
    EXPECT_EQ(text(), "<HR>\n<HR SIZE= 3 px>\n<HR>\nabcdef");
    EXPECT_EQ(document->RichEdit->Row(), 3);
    EXPECT_EQ(document->RichEdit->Col(), 0);
}

} // namespace
