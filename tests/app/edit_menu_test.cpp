#include "app/f_main.h"
#include "document/f_html.h"
#include "document/find_dialogs.h"
#include "document/trecode.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EditMenu : public TempSettingsTest {
protected:
    void SetUp() override
    {
        frame.show();
        processEvents();
    }

    void TearDown() override
    {
        EXPECT_TRUE(driver.allHandled());
        EXPECT_EQ(driver.unexpected(), QStringList());
        for (THTML *document : frame.documents()) {
            document->FindDialog1->close();
            document->ReplaceDialog1->close();
            document->approveClose();
        }
    }

    void trigger(const char *name) { frame.findChild<QAction *>(name)->trigger(); }

    TMain frame;
    ModalDriver driver;
};

TEST_F(EditMenu, DoesNothingWithoutADocument)
{
    for (const char *name : {"miFind", "miFindNext", "miReplace"}) {
        EXPECT_TRUE(frame.findChild<QAction *>(name)->isEnabled()) << name;
        trigger(name);
    }
    processEvents();
    EXPECT_TRUE(driver.messages().isEmpty());
}

TEST_F(EditMenu, OpensTheActiveDocumentsOwnDialogs)
{
    THTML *first = frame.sbNewClick();
    THTML *second = frame.sbNewClick();
    trigger("miFind");
    EXPECT_TRUE(second->FindDialog1->isVisible());
    EXPECT_FALSE(first->FindDialog1->isVisible());
    trigger("miReplace");
    EXPECT_TRUE(second->ReplaceDialog1->isVisible());
    EXPECT_FALSE(first->ReplaceDialog1->isVisible());
}

TEST_F(EditMenu, F3SearchesAgainWithTheFindDialogsText)
{
    THTML *document = frame.sbNewClick();
    document->RichEdit->setPlainText("ab ab");
    document->FindDialog1->eFindText->setText("ab");
    trigger("miFindNext");
    EXPECT_EQ(document->RichEdit->textCursor().selectionStart(), 0);
    QTest::keyClick(document->RichEdit, Qt::Key_F3);
    EXPECT_EQ(document->RichEdit->textCursor().selectionStart(), 3);
    driver.answer("OK");
    trigger("miFindNext");
    EXPECT_EQ(driver.messages(), QStringList{"Information|Cannot find \"ab\"."});
}

} // namespace
