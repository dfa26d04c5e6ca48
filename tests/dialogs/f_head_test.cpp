#include "controls/message_box.h"
#include "controls/updown.h"
#include "core/memory_text.h"
#include "dialogs/f_head.h"
#include "dialogs/heading_commands.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(HeadingDialog, OpensOnLevelOneWithItsElementBuilt)
{
    THeading dialog;
    EXPECT_EQ(dialog.windowTitle(), "Heading");
    EXPECT_EQ(dialog.Label1->text(), "&Size :");
    EXPECT_EQ(dialog.Label1->buddy(), dialog.UpDown1);
    EXPECT_EQ(dialog.Label2->buddy(), dialog.eHeadText);
    EXPECT_EQ(dialog.eHeadSize->text(), "1");
    EXPECT_EQ(dialog.Heading, "<H1></H1>");
}

// The level steps by arrow keys and buttons between 1 and 6 and cannot be typed.
TEST(HeadingDialog, LevelStaysFromOneToSixAndTakesNoTyping)
{
    MemoryText text("abc", 0, 2);
    ModalDriver driver;
    driver.then([](QWidget *dialog) {
        auto *upDown = qobject_cast<TUpDown *>(findControl(dialog, "UpDown1"));
        QTest::keyClick(upDown, Qt::Key_Down);
        EXPECT_EQ(upDown->text(), "1");
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(upDown, Qt::Key_Up);
        EXPECT_EQ(upDown->text(), "6");
        upDown->stepDown();
        upDown->stepDown();
        upDown->stepDown();
        QTest::keyClicks(upDown->edit(), "5");
        setControlText(dialog, "eHeadText", "Welcome");
        pressButton(dialog, "bbOK");
    });
    runHeading(text, nullptr);
    expectDriverFinished(driver);
    EXPECT_EQ(text.text(), "<H3>Welcome</H3>\nabc");
}

TEST(HeadingDialog, TheGeneralPageButtonWritesOnOkAndNothingOnCancel)
{
    auto document = makeDocument("abc", 0, 1);
    document->show();
    ModalDriver driver;
    driver.then([](QWidget *dialog) { pressButton(dialog, "bbCancel"); }).then([](QWidget *dialog) {
        pressButton(dialog, "bbOK");
    });
    clickTagButton(*document, "ebHeading");
    EXPECT_FALSE(document->isModified());
    clickTagButton(*document, "ebHeading");
    EXPECT_EQ(documentText(*document), "<H1></H1>\nabc");
    document->approveClose();
    document.reset();
    expectDriverFinished(driver);
}

} // namespace
