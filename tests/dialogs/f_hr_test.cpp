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

// OK keeps the height as typed; Cancel leaves none.
TEST(RuleDialog, OkKeepsTheHeightAsTypedCancelLeavesNone)
{
    for (const auto &[button, result, height] :
         {std::tuple("bbOK", mrOk, " 3 px"), std::tuple("bbCancel", mrCancel, "")}) {
        THR dialog;
        ModalDriver driver;
        driver.then([button = button](QWidget *w) {
            setControlText(w, "eHRHeight", " 3 px");
            pressButton(w, button);
        });
        EXPECT_EQ(dialog.ShowModal(), result) << button;
        EXPECT_TRUE(driver.allHandled());
        EXPECT_EQ(dialog.Height, height) << button;
    }
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

} // namespace
