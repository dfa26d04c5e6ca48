#include "controls/explbtn.h"
#include "controls/updown.h"
#include "document/trecode.h"
#include "support/document_fixture.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using FormDialogs = DocumentTest;

// The page holds its buttons left to right with their hints; each opens its own dialog, and
// Cancel writes nothing.
TEST_F(FormDialogs, EveryFormsButtonOpensItsDialogAndCancelWritesNothing)
{
    const struct {
        const char *button;
        const char *hint;
        const char *dialog;
        const char *caption;
        const char *box = "eName";
    } rows[] = {
        {"ebQuickForm", "QuickForm", "FormHeader", "Form Header", "eAction"},
        {"ebForm", "Form", "FormHeader", "Form Header", "eAction"},
        {"ebText", "Text", "QFTA", "QuickForm - Text Area"},
        {"ebHidden", "Hidden text", "QFHT", "QuickForm - Hidden Text"},
        {"ebBox", "Textbox", "QFTB", "QuickForm - Text box"},
        {"ebCB", "Checkbox", "QFCB", "QuickForm - Checkbox"},
        {"ebRB", "Radiobutton", "QFRB", "QuickForm - Radiobutton"},
        {"ebDrop", "Dropdown list", "QFDD", "QuickForm - Dropdown list"},
        {"ebSubmit", "Submit", "QFSUB", "QuickForm - Submit button"},
        {"ebReset", "Reset", "QFRES", "QuickForm - Reset button"},
    };
    open("abc", 0, 1);
    int left = -1;
    for (const auto &row : rows) {
        auto *button = document->findChild<TExplorerButton *>(row.button);
        EXPECT_EQ(button->parentWidget()->objectName(), "tsForms");
        EXPECT_EQ(button->toolTip(), row.hint);
        EXPECT_GT(button->x(), left) << row.button;
        left = button->x();
        driver.then([&](QWidget *dialog) {
            EXPECT_EQ(dialog->objectName(), row.dialog);
            EXPECT_EQ(dialog->windowTitle(), row.caption);
            setControlText(dialog, row.box, "n");
            pressButton(dialog, "bbCancel");
        });
        click(row.button);
    }
    EXPECT_EQ(text(), "abc");
}

// The header's "..." fills the action from the URL builder; the method is picked from its list.
TEST_F(FormDialogs, HeaderAndTextAreaWriteTheirLinesAboveTheCaretsLine)
{
    open("x\nabc", 1, 2);
    driver.press("SpeedButton1")
        .then([](QWidget *builder) {
            setControlText(builder, "eFile", "go.cgi");
            pressButton(builder, "BitBtn1");
        })
        .then([](QWidget *dialog) {
            auto *method = qobject_cast<QComboBox *>(findControl(dialog, "cbMethod"));
            EXPECT_EQ(method->currentText(), "");
            method->setCurrentIndex(1);
            setControlText(dialog, "cbEnctype", "text/plain");
            pressButton(dialog, "bbOK");
        })
        .then([](QWidget *dialog) {
            setControlText(dialog, "eName", "msg");
            setControlText(dialog, "eRows", "4");
            setControlText(dialog, "eCols", "40");
            pressButton(dialog, "bbOK");
        });
    click("ebForm");
    click("ebText");
    EXPECT_EQ(text(),
              "x\n"
              "<FORM ACTION=\"http:////go.cgi\" METHOD=\"post\" ENCTYPE=\"text/plain\"></FORM>\n"
              "<TEXTAREA NAME=\"msg\" ROWS=4 COLS=40></TEXTAREA><BR>\nabc");
    EXPECT_EQ(document->RichEdit->Row(), 3);
}

// The row count steps from 1 to 10 and takes no typing; options of rows it drops are not written.
TEST_F(FormDialogs, DropDownRowsDriveTheOptionsGridAndTheDropIsOneUndoStep)
{
    open("abc");
    driver.then([](QWidget *dialog) {
        EXPECT_EQ(dialog->pos(), QPoint(357, 197));
        pressButton(dialog, "bbOK");
    });
    click("ebHidden");
    driver.then([](QWidget *dialog) {
        auto *upDown = qobject_cast<TUpDown *>(findControl(dialog, "udRows"));
        auto *grid = qobject_cast<QTableWidget *>(findControl(dialog, "sgOptions"));
        QTest::keyClicks(upDown->edit(), "7");
        QTest::keyClick(upDown, Qt::Key_Down);
        EXPECT_EQ(upDown->text(), "1");
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(upDown, Qt::Key_Up);
        EXPECT_EQ(grid->rowCount(), 10);
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(upDown, Qt::Key_Down);
        EXPECT_EQ(upDown->text(), "3");
        grid->setFocus();
        grid->setCurrentCell(0, 0);
        for (const char *option : {"red", "blue", "green"}) {
            QTest::keyClicks(grid->focusWidget(), option);
            QTest::keyClick(grid->focusWidget(), Qt::Key_Down);
        }
        QTest::keyClick(upDown, Qt::Key_Down);
        setControlText(dialog, "eName", "c");
        pressButton(dialog, "bbOK");
    });
    click("ebDrop");
    EXPECT_EQ(text(), "<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\"><BR>\n<SELECT NAME=\"c\">\n"
                      "  <OPTION>red\n  <OPTION>blue\n</SELECT><BR>\nabc");
    document->RichEdit->undo();
    EXPECT_EQ(text(), "<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\"><BR>\nabc");
}

} // namespace
