#include "controls/message_box.h"
#include "dialogs/f_hr.h"
#include "support/modal_driver.h"

#include <gtest/gtest.h>

namespace {

// Focus, Return and the buttons' faces are the standard dialog's, tested with it; the title and
// the height it opens with are checked where the rule button opens it.
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

} // namespace
