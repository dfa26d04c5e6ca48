#include "dialogs/f_party.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// A colour chosen while the colours were in use still counts once they are not; one Undo takes
// all the lines back.
TEST(PartyDialog, TheSpecialPageButtonWritesTheLettersAsOneUndoStep)
{
    auto document = makeDocument("abc", 0, 1);
    document->show();
    ModalDriver driver;
    driver.then([](QWidget *dialog) { pressButton(dialog, "bbCancel"); })
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "\"Party\" - tag");
            EXPECT_FALSE(findControl(dialog, "sbCol2")->isEnabled());
            setControlChecked(dialog, "cbUseColors", true);
            EXPECT_TRUE(findControl(dialog, "Label2")->isEnabled());
            pressButton(dialog, "sbCol2");
        })
        .then([](QWidget *w) {
            qobject_cast<QColorDialog *>(w)->setCurrentColor(Qt::red);
            qobject_cast<QColorDialog *>(w)->accept();
        })
        .then([](QWidget *dialog) {
            setControlChecked(dialog, "cbUseColors", false);
            EXPECT_FALSE(findControl(dialog, "sbRandCol")->isEnabled());
            setControlChecked(dialog, "rbCenter", true);
            setControlText(dialog, "ePartyText", "Hey");
            pressButton(dialog, "bbOK");
        });
    clickTagButton(*document, "ebParty");
    EXPECT_FALSE(document->isModified());
    clickTagButton(*document, "ebParty");
    EXPECT_EQ(documentText(*document), "<FONT SIZE=+4 COLOR=#000000>H</FONT>\n"
                                       "<FONT SIZE=+3 COLOR=#FF0000>e</FONT>\n"
                                       "<FONT SIZE=+2 COLOR=#000000>y</FONT>\n"
                                       "<BR>\n"
                                       "abc");
    document->RichEdit->undo();
    EXPECT_EQ(documentText(*document), "abc");
    document->approveClose();
    document.reset();
    expectDriverFinished(driver);
}

TEST(PartyDialog, RandomColoursGoToTheNumbersFromThePalette)
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
