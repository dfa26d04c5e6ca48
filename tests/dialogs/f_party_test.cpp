#include "dialogs/f_party.h"
#include "document/trecode.h"
#include "support/document_fixture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using PartyDialog = DocumentTest;

// A colour chosen while the colours were in use still counts once they are not; one Undo takes
// all the lines back.
TEST_F(PartyDialog, TheSpecialPageButtonWritesTheLettersAsOneUndoStep)
{
    open("abc", 0, 1);
    driver.press("bbCancel")
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "\"Party\" - tag");
            EXPECT_FALSE(findControl(dialog, "sbCol2")->isEnabled());
            setControlChecked(dialog, "cbUseColors", true);
            pressButton(dialog, "sbCol2");
        })
        .then([](QWidget *w) {
            qobject_cast<QColorDialog *>(w)->setCurrentColor(Qt::red);
            qobject_cast<QColorDialog *>(w)->accept();
        })
        .then([](QWidget *dialog) {
            setControlChecked(dialog, "cbUseColors", false);
            setControlChecked(dialog, "rbCenter", true);
            setControlText(dialog, "ePartyText", "Hey");
            pressButton(dialog, "bbOK");
        });
    click("ebParty");
    EXPECT_FALSE(document->isModified());
    click("ebParty");
    EXPECT_EQ(text(), "<FONT SIZE=+4 COLOR=#000000>H</FONT>\n"
                      "<FONT SIZE=+3 COLOR=#FF0000>e</FONT>\n"
                      "<FONT SIZE=+2 COLOR=#000000>y</FONT>\n"
                      "<BR>\n"
                      "abc");
    document->RichEdit->undo();
    EXPECT_EQ(text(), "abc");
}

TEST_F(PartyDialog, RandomColoursGoToTheNumbersFromThePalette)
{
    TParty dialog;
    dialog.cbUseColors->setChecked(true);
    dialog.sbRandCol->click();
    QSet<quint32> colors;
    for (int n = 0; n < 8; ++n)
        colors.insert(dialog.numberColor(n));
    EXPECT_GT(colors.size(), 1);
    EXPECT_TRUE(colors.subtract({partyPalette().begin(), partyPalette().end()}).isEmpty());
}

} // namespace
