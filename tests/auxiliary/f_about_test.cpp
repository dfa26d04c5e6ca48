#include "app/f_main.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

using AboutBox = TempSettingsTest;

TEST_F(AboutBox, ShowsTheReleaseEveryTimeItOpens)
{
    TMain frame;
    ModalDriver driver;
    const auto check = [](QWidget *box) {
        EXPECT_EQ(box->windowTitle(), "About Pagewick");
        EXPECT_FALSE(box->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(qobject_cast<QLabel *>(findControl(box, "lbRelease"))->text(),
                  "Release : 4C9843");
        pressButton(box, "bbOK");
    };
    driver.then(check).then(check);
    frame.findChild<QAction *>("miAbout")->trigger();
    frame.findChild<QAction *>("miAbout")->trigger();
    expectDriverFinished(driver);
}

} // namespace
