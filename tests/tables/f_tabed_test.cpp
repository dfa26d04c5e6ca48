#include "controls/string_grid.h"
#include "controls/updown.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "tables/f_tabed.h"

#include <QAction>
#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using QuickTableDialog = DocumentTest;

// Types into the grid's current cell, then presses a key that leaves it.
void typeAndMove(TStringGrid *grid, const char *text, Qt::Key key)
{
    QWidget *editor = grid->window()->focusWidget();
    ASSERT_TRUE(grid->isAncestorOf(editor)) << text;
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, key);
}

TEST_F(QuickTableDialog, ButtonAndMenuItemWriteTheTypedCellsAsOneUndoStepAndCancelNothing)
{
    open("abc", 0, 1);
    driver.press("bbCancel").then([](QWidget *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Quick Table");
        setControlText(dialog, "eNrCols", "2");
        setControlText(dialog, "eNrRows", "2");
        setControlText(dialog, "eCaption", "Prices");
        auto *grid = dialog->findChild<TStringGrid *>("sgTable");
        grid->setFocus();
        typeAndMove(grid, "a", Qt::Key_Tab);
        typeAndMove(grid, "b", Qt::Key_Down);
        typeAndMove(grid, "d", Qt::Key_Left);
        typeAndMove(grid, "", Qt::Key_Left);
        typeAndMove(grid, "c", Qt::Key_Up);
        QTest::keyClick(grid->window()->focusWidget(), Qt::Key_Right);
        pressButton(dialog, "bbOK");
    });
    click("ebTableEdit");
    document->pmHTML->findChild<QAction *>("miQuickTable")->trigger();
    EXPECT_EQ(text(), "<TABLE BORDER=1 CELLPADDING=0 CELLSPACING=0>\n  <CAPTION>Prices</CAPTION>\n"
                      "  <TR>\n    <TD>a</TD>\n    <TD>b</TD>\n  </TR>\n"
                      "  <TR>\n    <TD>c</TD>\n    <TD>d</TD>\n  </TR>\n</TABLE>\nabc");
    document->RichEdit->undo();
    EXPECT_EQ(text(), "abc");
}

// The arrows keep to their ranges, typed counts do not; a text that is no count is reported and
// changes nothing; cells outside a smaller grid are not written, and come back when it grows.
TEST_F(QuickTableDialog, TypedCountsSizeTheGridAndArrowsStayInTheirRanges)
{
    TTableEdit dialog;
    const struct {
        TUpDown *upDown;
        int steps;
        const char *text;
    } arrows[] = {{dialog.udCols, 20, "10"},
                  {dialog.udRows, -3, "1"},
                  {dialog.udPadding, 200, "100"},
                  {dialog.udSpacing, -1, "0"},
                  {dialog.udWidth, -5, "1"}};
    for (const auto &row : arrows) {
        row.upDown->stepBy(row.steps);
        EXPECT_EQ(row.upDown->text(), row.text) << row.upDown->objectName().toStdString();
    }
    driver.answer("OK").answer("OK").answer("OK");
    const struct {
        QLineEdit *box;
        const char *typed;
        int columns;
        int rows;
    } counts[] = {{dialog.eNrCols, "12", 12, 1},    {dialog.eNrRows, "0", 12, 1},
                  {dialog.eNrRows, "-2", 12, 1},    {dialog.eNrRows, "255", 12, 255},
                  {dialog.eNrCols, "", 12, 255},    {dialog.eNrCols, "x", 12, 255},
                  {dialog.eNrRows, "256", 12, 255}, {dialog.eNrRows, "2", 12, 2}};
    for (const auto &row : counts) {
        row.box->setText(row.typed);
        EXPECT_EQ(dialog.sgTable->columnCount(), row.columns) << row.typed;
        EXPECT_EQ(dialog.sgTable->rowCount(), row.rows) << row.typed;
    }
    EXPECT_EQ(driver.messages().size(), 3);
    dialog.sgTable->setCell(11, 1, "back");
    dialog.sgTable->setCell(0, 0, "kept");
    dialog.eNrCols->setText("1");
    EXPECT_EQ(dialog.GetTableData().Cells, QList<QStringList>({{"kept"}, {""}}));
    dialog.eNrCols->setText("12");
    EXPECT_EQ(dialog.GetTableData().Cells.value(1).join('|'), "|||||||||||back");
}

// Only the colour button sets the flag; the text the colour box holds at OK is the colour.
TEST_F(QuickTableDialog, OnlyAPickedColourColoursTheCells)
{
    TTableEdit dialog;
    dialog.eCellCol->setText("red");
    EXPECT_FALSE(dialog.GetTableData().ColorChosen);
    driver
        .then([](QWidget *w) {
            EXPECT_EQ(qobject_cast<QColorDialog *>(w)->currentColor(), QColor(Qt::black));
            qobject_cast<QColorDialog *>(w)->reject();
        })
        .then([](QWidget *w) {
            qobject_cast<QColorDialog *>(w)->setCurrentColor(Qt::red);
            qobject_cast<QColorDialog *>(w)->accept();
        });
    dialog.sbChooseColClick();
    EXPECT_FALSE(dialog.GetTableData().ColorChosen);
    dialog.sbChooseColClick();
    EXPECT_TRUE(dialog.GetTableData().ColorChosen);
    EXPECT_EQ(dialog.GetTableData().Color, "#FF0000");
    dialog.eCellCol->clear();
    EXPECT_TRUE(dialog.GetTableData().ColorChosen);
    EXPECT_EQ(dialog.GetTableData().Color, "");
}

} // namespace
