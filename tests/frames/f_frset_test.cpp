#include "controls/updown.h"
#include "support/document_fixture.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using FrameSetDialog = DocumentTest;

void step(QWidget *dialog, const char *upDown, int steps, Qt::Key key = Qt::Key_Up)
{
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(findControl(dialog, upDown), key);
}

QString shown(QWidget *dialog, const char *edit)
{
    return qobject_cast<TUpDown *>(findControl(dialog, edit)->parentWidget())->text();
}

// Only the checked group shows and is written; the hidden one keeps its values; the boxes step
// from 0 to 90 by 10 and take no typing.
TEST_F(FrameSetDialog, WritesTheCheckedGroupKeepingTheOther)
{
    open("abc", 0, 1);
    driver.press("bbCancel")
        .then([](QWidget *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "FrameSet");
            step(dialog, "UpDown1", 12);
            EXPECT_EQ(shown(dialog, "eRow1"), "90");
            QTest::keyClicks(findControl(dialog, "eRow1"), "5");
            EXPECT_EQ(shown(dialog, "eRow1"), "90");
            setControlChecked(dialog, "rbCols", true);
            EXPECT_FALSE(findControl(dialog, "gbRows")->isVisible());
            step(dialog, "UpDown6", 3);
            step(dialog, "UpDown7", 8);
            step(dialog, "UpDown7", 1, Qt::Key_Down);
            step(dialog, "UpDown8", 1, Qt::Key_Down);
            setControlChecked(dialog, "rbRows", true);
            EXPECT_FALSE(findControl(dialog, "gbCols")->isVisible());
            EXPECT_EQ(shown(dialog, "eRow1"), "90");
            setControlChecked(dialog, "rbCols", true);
            pressButton(dialog, "bbOK");
        })
        .press("bbOK");
    click("ebFrameset");
    click("ebFrameset");
    click("ebFrameset");
    EXPECT_EQ(text(), "<FRAMESET Cols=\"30,70,0,0,0\">\n<FRAMESET ROWS=\"0,0,0,0,0\">\nabc");
}

} // namespace
