#include "controls/updown.h"
#include "core/memory_text.h"
#include "dialogs/heading_commands.h"
#include "support/document_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using HeadingDialog = DocumentTest;

// The level steps by the Up/Down keys and the arrows between 1 and 6 and cannot be typed.
TEST_F(HeadingDialog, LevelStaysFromOneToSixAndTakesNoTyping)
{
    MemoryText typed("abc", 0, 2);
    driver.then([](QWidget *dialog) {
        auto *upDown = qobject_cast<TUpDown *>(findControl(dialog, "UpDown1"));
        QTest::keyClick(upDown, Qt::Key_Down);
        EXPECT_EQ(upDown->text(), "1");
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(upDown, Qt::Key_Up);
        EXPECT_EQ(upDown->text(), "6");
        const QPoint downArrow(upDown->width() - 4, upDown->height() - 4);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(upDown, Qt::LeftButton, {}, downArrow);
        QTest::keyClicks(upDown->edit(), "5");
        setControlText(dialog, "eHeadText", "Welcome");
        pressButton(dialog, "bbOK");
    });
    runHeading(typed, nullptr);
    EXPECT_EQ(typed.text(), "<H3>Welcome</H3>\nabc");
}

TEST_F(HeadingDialog, TheGeneralPageButtonWritesOnOkAndNothingOnCancel)
{
    open("abc", 0, 1);
    driver.press("bbCancel").then([](QWidget *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Heading");
        pressButton(dialog, "bbOK");
    });
    click("ebHeading");
    click("ebHeading");
    EXPECT_EQ(text(), "<H1></H1>\nabc");
}

} // namespace
