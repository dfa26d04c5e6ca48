#include "tags/user_tag_commands.h"

#include "controls/explbtn.h"
#include "document/trecode.h"
#include "settings/corvane_registry.h"
#include "support/document_fixture.h"
#include "tags/user_tags.h"

#include <QTabWidget>
#include <string>

namespace {

class UserTagButtonsTest : public DocumentTest {
protected:
    void SetUp() override { userTags().fill(TUserTag()); }
    void TearDown() override
    {
        DocumentTest::TearDown();
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

    void clickUser(int n) { click(("sbUser" + std::to_string(n)).c_str()); }
};

} // namespace

TEST_F(UserTagButtonsTest, FreshStoreGivesNineEmptyButtonsInARowThatInsertNothing)
{
    open("abcd\nef", 1, 1);
    QWidget *page = document->PageControl1->findChild<QWidget *>("tsUserTags");
    ASSERT_NE(page, nullptr);
    for (int n = 1; n <= 9; ++n) {
        TExplorerButton *button = document->sbUser[n - 1];
        EXPECT_EQ(button->objectName(), QStringLiteral("sbUser%1").arg(n));
        EXPECT_EQ(button->parentWidget(), page);
        EXPECT_EQ(button->geometry(), QRect((n - 1) * 49, 0, 50, 25));
        EXPECT_EQ(button->text(), QString());
        EXPECT_EQ(button->accessibleName(), QStringLiteral("User tag %1").arg(n));
        clickUser(n);
    }
    EXPECT_EQ(text(), "abcd\nef");
    EXPECT_EQ(document->RichEdit->Row(), 1);
    EXPECT_EQ(document->RichEdit->Col(), 1);
}

TEST_F(UserTagButtonsTest, ResizingPicksUpChangedCaptionsAndHints)
{
    store(1, {"Old", "", "<B>", "</B>", "old hint"});
    // Reported once when the window opens, not on every resize step.
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(5), "Title", 7);
    open("");
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
}

// A click reads the store afresh, even before the caption shows the change.
TEST_F(UserTagButtonsTest, CenterExampleLeavesTheCaretBetweenTheHalvesAndClicksReadTheStore)
{
    store(2, {"Cent", "Centre", "<CENTER>", "</CENTER>", "Centre it"});
    open("abcd", 0, 2);
    EXPECT_EQ(document->sbUser[1]->toolTip(), "Centre it");
    clickUser(2);
    EXPECT_EQ(text(), "ab<CENTER></CENTER>cd");
    EXPECT_EQ(document->RichEdit->Row(), 0);
    EXPECT_EQ(document->RichEdit->Col(), 10);

    store(3, {"New", "", "<TT>", "</TT>", ""});
    userTags()[2] = {"Mem", "", "<MEMORY>", "", ""};
    clickUser(3);
    EXPECT_EQ(document->sbUser[2]->text(), QString());
    EXPECT_EQ(text(), "ab<CENTER><TT></TT></CENTER>cd");
    EXPECT_EQ(document->RichEdit->Col(), 14);
}
