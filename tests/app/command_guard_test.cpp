#include "app/f_main.h"
#include "app/registry_notices.h"
#include "controls/explbtn.h"
#include "controls/run_guarded.h"
#include "document/f_html.h"
#include "settings/corvane_registry.h"
#include "support/failing_store.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class RegistryNotices : public TempSettingsTest {};

TEST_F(RegistryNotices, DamagedSettingsFileIsReportedInAWarningBox)
{
    settings.setContents("Windows Registry Editor Version 5.00\n\nthis is not a key\n");
    QWidget window;
    showRegistryNotices(&window);
    ModalDriver driver;
    driver.answer("OK");
    settings.store("Misc", "ExtBrowser", "x");
    ASSERT_EQ(driver.messages().size(), 1);
    EXPECT_TRUE(driver.messages().first().startsWith("Warnung|"));
    EXPECT_TRUE(driver.messages().first().contains(QDir::toNativeSeparators(settings.folderPath())))
        << driver.messages().first().toStdString();
    expectDriverFinished(driver);
}

TEST(RunGuarded, ShowsWhatACommandRaisedInTheErrorBoxAndGoesOn)
{
    const struct {
        const char *name;
        std::function<void()> command;
        QString shown; // empty: no box
    } cases[] = {
        {"Completes", [] {}, {}},
        {"CommandError", [] { throw CommandError("Cannot do it."); }, "Fehler|Cannot do it."},
        {"RegistryError", [] { throw RegistryError("Invalid data type for 'X'"); },
         "Fehler|Invalid data type for 'X'"},
        {"OutOfMemory", [] { throw std::bad_alloc(); },
         "Fehler|There is not enough memory to complete the command."},
        {"OtherError", [] { throw std::runtime_error("disk on fire"); }, "Fehler|disk on fire"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ModalDriver driver;
        if (!c.shown.isEmpty())
            driver.answer("OK");
        EXPECT_NO_THROW(runGuarded(nullptr, c.command));
        EXPECT_EQ(driver.messages().join('\n').toStdString(), c.shown.toStdString());
    }
}

using UnreadableSettings = TempSettingsTest;

// Every command as the user reaches it: each menu item, tool-bar button, tag-page and user
// button, pop-up menu item; every dialog that opens is cancelled. No exception may leave a
// command, and the program must still close at the end.
TEST_F(UnreadableSettings, EveryCommandReportsItsErrorAndTheProgramGoesOn)
{
    FailingStore::install(FailingStore::Reads);
    QStringList shown;
    ModalDriver driver;
    driver.otherwise([&shown](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        shown << (box ? box->windowTitle() + '|' + box->text() : w->objectName());
        static_cast<QDialog *>(w)->reject();
    });
    TMain frame;
    frame.show();
    processEvents();
    auto *document = new THTML;
    frame.mdiArea()->addSubWindow(document)->show();

    QStringList walked;
    const auto walk = [&](const QList<QAction *> &actions,
                          const QList<TExplorerButton *> &buttons) {
        for (QAction *action : actions) {
            if (action->isEnabled() && !action->isSeparator() && !action->menu() &&
                action->objectName() != "miExit") {
                SCOPED_TRACE(action->objectName().toStdString());
                walked << action->objectName();
                EXPECT_NO_THROW(action->trigger());
                processEvents();
            }
        }
        for (TExplorerButton *button : buttons) {
            if (button->Enabled() && button->objectName() != "ebExit") {
                SCOPED_TRACE(button->objectName().toStdString());
                walked << button->objectName();
                EXPECT_NO_THROW(button->click());
                processEvents();
            }
        }
    };
    walk(document->pmHTML->actions(), document->findChildren<TExplorerButton *>());
    walk(frame.menuBar()->findChildren<QAction *>(),
         frame.findChild<QWidget *>("SpeedPanel")->findChildren<TExplorerButton *>());

    for (const char *name : {"ebHRule", "sbUser1", "ebBold", "ebUndo", "miNew", "miOpen", "miPrefs",
                             "miUserTags", "ebPrint"})
        EXPECT_TRUE(walked.contains(name)) << name;
    EXPECT_FALSE(shown.filter(QRegularExpression("^Fehler\\|.*'")).isEmpty())
        << shown.join('\n').toStdString();
    document->setModified(false);
    frame.findChild<QAction *>("miExit")->trigger();
    EXPECT_FALSE(frame.isVisible());
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
}

} // namespace
