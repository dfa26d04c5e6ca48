#include "controls/message_box.h"
#include "dialogs/f_hr.h"
#include "support/modal_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(RuleDialog, Face)
{
    THR dialog;
    EXPECT_EQ(dialog.windowTitle(), "Horizontal Rule");
    EXPECT_EQ(dialog.Label1->text(), "&Height :");
    EXPECT_EQ(dialog.Label1->buddy(), dialog.eHRHeight);
    EXPECT_EQ(dialog.eHRHeight->text(), "1");
    EXPECT_EQ(dialog.bbOK->text(), "OK");
    EXPECT_EQ(dialog.bbCancel->text(), "Cancel");
    EXPECT_TRUE(dialog.bbOK->isDefault());
}

TEST(RuleDialog, OkKeepsTheHeightAsTyped)
{
    THR dialog;
    ModalDriver driver;
    driver.then([](QWidget *w) {
        setControlText(w, "eHRHeight", " 3 px");
        pressButton(w, "bbOK");
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(dialog.Height, " 3 px");
}

TEST(RuleDialog, TypingReplacesTheDefaultAndReturnConfirms)
{
    THR dialog;
    ModalDriver driver;
    driver.then([](QWidget *w) {
        QTest::keyClicks(w->focusWidget(), "5");
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(dialog.Height, "5");
}

TEST(RuleDialog, CancelLeavesNoHeight)
{
    THR dialog;
    ModalDriver driver;
    driver.then([](QWidget *w) {
        setControlText(w, "eHRHeight", "7");
        pressButton(w, "bbCancel");
    });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(driver.allHandled());
    EXPECT_TRUE(dialog.Height.isEmpty());
}

} // namespace
