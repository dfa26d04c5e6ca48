#include "controls/updown.h"
#include "settings/color_label.h"
#include "support/document_fixture.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using TableDialog = DocumentTest;

TEST_F(TableDialog, BorderBoxSwitchesTheWidthWhichOnlyTheArrowsChangeAndAPickedColourIsTyped)
{
    open("abc", 0, 1);
    driver.press("bbCancel")
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Table");
            auto *upDown = qobject_cast<TUpDown *>(findControl(dialog, "UpDown1"));
            setControlChecked(dialog, "cbBorder", false);
            EXPECT_FALSE(upDown->isEnabled() || upDown->edit()->isEnabled());
            setControlChecked(dialog, "cbBorder", true);
            QTest::keyClicks(upDown->edit(), "7");
            for (int i = 0; i < 2; ++i)
                QTest::keyClick(upDown, Qt::Key_Up);
            auto *align = dialog->findChild<QComboBox *>("cbAlign");
            EXPECT_EQ(align->count(), 12);
            align->setCurrentIndex(align->findText("center"));
            setControlText(dialog, "eColSpec", "c20");
            setControlText(dialog, "eWidth", "80%");
            pressButton(dialog, "sbChooseColor");
        })
        .then([](QWidget *w) {
            qobject_cast<QColorDialog *>(w)->setCurrentColor(Qt::red);
            qobject_cast<QColorDialog *>(w)->accept();
        })
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->findChild<ColorLabel *>("eCol")->backColor(), 0x0000FFu);
            pressButton(dialog, "bbOK");
        })
        .press("bbOK");
    for (int run = 0; run < 3; ++run)
        click("ebTable");
    EXPECT_EQ(text(), "<TABLE BORDER=3 ALIGN=CENTER COLSPEC=\"c20\" WIDTH=80% BGCOLOR=\"#FF0000\">"
                      "</TABLE>\n<TABLE BORDER=1></TABLE>\nabc");
}

TEST_F(TableDialog, CaptionStartsAlignedTopAndWritesNoAlignOnceItIsCleared)
{
    open("abc", 0, 1);
    driver.press("bbCancel")
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Table caption");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            dialog->findChild<QComboBox *>("cbAlign")->setEditText("");
            setControlText(dialog, "eCaption", "Prices");
            pressButton(dialog, "bbOK");
        });
    for (int run = 0; run < 3; ++run)
        click("ebTableCaption");
    EXPECT_EQ(text(), "<CAPTION ALIGN=TOP></CAPTION>\n<CAPTION>Prices</CAPTION>\nabc");
}

} // namespace
