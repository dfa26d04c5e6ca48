#include "tags/user_tag_commands.h"

#include "document/f_html.h"
#include "document/trecode.h"
#include "settings/corvane_registry.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "tags/user_tags.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QTest>

namespace {

class UserTagButtonsTest : public TempSettingsTest {
protected:
    void SetUp() override { userTags().fill(TUserTag()); }
    void TearDown() override
    {
        processEvents();
        userTags().fill(TUserTag());
    }

    static void store(int n, const TUserTag &tag)
    {
        const std::pair<const char *, QString> values[] = {{"Title", tag.Title},
                                                           {"Name", tag.Name},
                                                           {"StartTag", tag.StartTag},
                                                           {"EndTag", tag.EndTag},
                                                           {"Hint", tag.Hint}};
        for (const auto &[name, text] : values)
            TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(n), name, text);
    }

    static void click(THTML &document, int n)
    {
        QTest::mouseClick(document.sbUser[n - 1], Qt::LeftButton);
    }
};

} // namespace

TEST_F(UserTagButtonsTest, FreshStoreGivesNineEmptyButtonsInARowThatInsertNothing)
{
    auto document = makeDocument("abcd\nef", 1, 1);
    QWidget *page = document->PageControl1->findChild<QWidget *>("tsUserTags");
    ASSERT_NE(page, nullptr);
    for (int n = 1; n <= 9; ++n) {
        QAbstractButton *button = document->sbUser[n - 1];
        EXPECT_EQ(button->objectName(), QStringLiteral("sbUser%1").arg(n));
        EXPECT_EQ(button->parentWidget(), page);
        EXPECT_EQ(button->geometry(), QRect((n - 1) * 49, 0, 50, 25));
        EXPECT_EQ(button->text(), QString());
        EXPECT_EQ(button->accessibleName(), QStringLiteral("User tag %1").arg(n));
        click(*document, n);
    }
    EXPECT_EQ(documentText(*document), "abcd\nef");
    EXPECT_EQ(document->RichEdit->Row(), 1);
    EXPECT_EQ(document->RichEdit->Col(), 1);
}

TEST_F(UserTagButtonsTest, ResizingPicksUpChangedCaptionsAndHints)
{
    store(1, {"Old", "", "<B>", "</B>", "old hint"});
    // Reported once when the window opens, not on every resize step.
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(5), "Title", 7);
    auto document = makeDocument();
    document->show();
    processEvents();
    store(1, {"ABCDEF", "", "<I>", "</I>", "new hint"});
    store(9, {"Nine", "", "", "", ""});
    EXPECT_EQ(document->sbUser[0]->text(), "Old");

    for (int step = 1; step <= 3; ++step)
        document->resize(document->width() + 10, document->height());
    processEvents();
    EXPECT_EQ(settings.notices().size(), 1);
    EXPECT_EQ(document->sbUser[0]->text(), "ABCD");
    EXPECT_EQ(document->sbUser[0]->toolTip(), "new hint");
    EXPECT_EQ(document->sbUser[8]->text(), "Nine");
    EXPECT_EQ(document->sbUser[8]->accessibleName(), "Nine");
    document->close();
}

// A click reads the store afresh, even before the caption shows the change.
TEST_F(UserTagButtonsTest, CenterExampleLeavesTheCaretBetweenTheHalvesAndClicksReadTheStore)
{
    store(2, {"Cent", "Centre", "<CENTER>", "</CENTER>", "Centre it"});
    auto document = makeDocument("abcd", 0, 2);
    EXPECT_EQ(document->sbUser[1]->toolTip(), "Centre it");
    click(*document, 2);
    EXPECT_EQ(documentText(*document), "ab<CENTER></CENTER>cd");
    EXPECT_EQ(document->RichEdit->Row(), 0);
    EXPECT_EQ(document->RichEdit->Col(), 10);

    store(3, {"New", "", "<TT>", "</TT>", ""});
    userTags()[2] = {"Mem", "", "<MEMORY>", "", ""};
    click(*document, 3);
    EXPECT_EQ(document->sbUser[2]->text(), QString());
    EXPECT_EQ(documentText(*document), "ab<CENTER><TT></TT></CENTER>cd");
    EXPECT_EQ(document->RichEdit->Col(), 14);
}
