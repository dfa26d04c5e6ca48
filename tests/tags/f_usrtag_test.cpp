#include "tags/f_usrtag.h"

#include "app/f_main.h"
#include "settings/corvane_registry.h"
#include "support/failing_store.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "tags/user_tag_commands.h"
#include "tags/user_tags.h"

#include <QAction>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

const QString Notice =
    QStringLiteral("Information|Visual changes take effect next time you start Pagewick.");
const QString Question = QStringLiteral("Bestätigen|Really delete this tag ??");

class Manager : public TempSettingsTest {
protected:
    void SetUp() override { userTags().fill(TUserTag()); }
    void TearDown() override
    {
        expectDriverFinished(driver);
        userTags().fill(TUserTag());
    }

    static void store(int n, const TUserTag &tag)
    {
        LoadUserTags();
        userTags()[n - 1] = tag;
        SaveUserTags();
        userTags().fill(TUserTag());
    }

    static TUserTag stored(int n)
    {
        TUserTag tag{"?", "?", "?", "?", "?"};
        LoadUserTag(n, tag);
        return tag;
    }

    static QTableWidget *grid(QWidget *w) { return w->findChild<QTableWidget *>("sgUserTags"); }
    static QStringList row(QWidget *w, int r)
    {
        return {grid(w)->item(r, 0)->text(), grid(w)->item(r, 1)->text()};
    }

    ModalDriver driver;
};

} // namespace

// A wrongly typed value is reported once and shows empty; the save repairs it.
TEST_F(Manager, EditorCancelChangesNothingAndManagerCancelStillSavesWithoutANotice)
{
    store(1, {"Old", "Old name", "<O>", "</O>", "old"});
    store(2, {"Two", "Second", "<2>", "</2>", "two"});
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(3), "Name", 7);
    driver
        .then([](QWidget *w) {
            auto *manager = qobject_cast<TUserTags *>(w);
            ASSERT_NE(manager, nullptr);
            EXPECT_EQ(manager->windowTitle(), "User-Tags");
            EXPECT_EQ(grid(w)->rowCount(), 9);
            EXPECT_EQ(grid(w)->currentRow(), 0);
            EXPECT_EQ(row(w, 2), QStringList({"", ""}));
            grid(w)->setCurrentCell(1, 1);
            pressButton(w, "sbEdit");
        })
        .then([](QWidget *w) {
            setControlText(w, "eName", "changed");
            pressButton(w, "bbCancel");
        })
        .then([](QWidget *w) {
            EXPECT_EQ(row(w, 1), QStringList({"Two", "Second"}));
            EXPECT_EQ(row(w, 0), QStringList({"Old", "Old name"}));
            grid(w)->setCurrentCell(0, 0);
            pressButton(w, "sbEdit");
        })
        .then([](QWidget *w) {
            EXPECT_EQ(w->windowTitle(), "Edit User-Tag");
            // Typing stops at four characters, a pair of UTF-16 units counting as one.
            setControlText(w, "eTitle", "a𝄞𝄞xy");
            setControlText(w, "eName", "Bold");
            setControlText(w, "eStart", "<B>");
            setControlText(w, "eEnd", "</B>");
            setControlText(w, "eHint", " bold ");
            pressButton(w, "bbOK");
        })
        .then([](QWidget *w) {
            EXPECT_EQ(row(w, 0), QStringList({"a𝄞𝄞x", "Bold"}));
            pressButton(w, "bbCancel");
        });
    runUserTagManager(nullptr);

    EXPECT_EQ(driver.messages(), QStringList());
    EXPECT_EQ(stored(1), (TUserTag{"a𝄞𝄞x", "Bold", "<B>", "</B>", " bold "}));
    EXPECT_EQ(stored(2), (TUserTag{"Two", "Second", "<2>", "</2>", "two"}));
    for (int n = 3; n <= 9; ++n)
        EXPECT_EQ(stored(n), TUserTag()) << n;
    EXPECT_EQ(settings.notices().size(), 1);
}

TEST_F(Manager, DeleteThenOkWritesEmptyStringsAndShowsTheNotice)
{
    store(4, {"Four", "Fourth", "<4>", "</4>", "four"});
    store(5, {"Five", "Fifth", "<5>", "</5>", "five"});
    driver
        .then([](QWidget *w) {
            grid(w)->setCurrentCell(3, 0);
            pressButton(w, "sbDelete");
        })
        .answer("&Ja")
        .then([](QWidget *w) {
            EXPECT_EQ(row(w, 3), QStringList({"", ""}));
            // The store keeps the tag until the manager closes.
            EXPECT_EQ(stored(4).Title, "Four");
            grid(w)->setCurrentCell(4, 0);
            pressButton(w, "sbDelete");
        })
        .answer("&Nein")
        .then([](QWidget *w) {
            EXPECT_EQ(row(w, 4), QStringList({"Five", "Fifth"}));
            pressButton(w, "bbOK");
        })
        .answer("OK");
    TMain frame;
    QAction *item = frame.findChild<QAction *>("miUserTags");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    item->trigger();

    EXPECT_EQ(driver.messages(), QStringList({Question, Question, Notice}));
    EXPECT_EQ(stored(4), TUserTag());
    EXPECT_EQ(stored(5), (TUserTag{"Five", "Fifth", "<5>", "</5>", "five"}));
}

// Another running Pagewick changes tag 2 while the manager is open: its change is kept.
TEST_F(Manager, DoubleClickEditsTheRowAndTheCloseBoxSavesToo)
{
    const QString longStart(40000, QLatin1Char('s'));
    store(3, {"ABCDEF", "Third", longStart, "</3>", "three"});
    driver
        .then([](QWidget *w) {
            TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(2), "Name", "theirs");
            EXPECT_EQ(row(w, 2), QStringList({"ABCD", "Third"}));
            QTableWidget *tags = grid(w);
            const QRect cell = tags->visualRect(tags->model()->index(2, 1));
            // The view takes a double click only on the cell its first click pressed.
            QTest::mouseClick(tags->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(tags->viewport(), Qt::LeftButton, {}, cell.center());
        })
        .then([](QWidget *w) {
            setControlText(w, "eEnd", "</3 >");
            pressButton(w, "bbOK");
        })
        .then([](QWidget *w) { w->close(); });
    runUserTagManager(nullptr);

    EXPECT_EQ(driver.messages(), QStringList());
    EXPECT_EQ(stored(3), (TUserTag{"ABCD", "Third", longStart, "</3 >", "three"}));
    EXPECT_EQ(stored(2).Name, "theirs");
}

TEST_F(Manager, FailedSaveIsReportedAndGivesNoNotice)
{
    FailingStore::install(FailingStore::Writes);
    driver.press("bbOK").answer("OK");
    runUserTagManager(nullptr);

    EXPECT_EQ(driver.messages(),
              QStringList("Fehler|Failed to set data for 'Title': Cannot write 'Title'"));
}
