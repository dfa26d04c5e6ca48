#include "app/f_main.h"
#include "document/f_html.h"
#include "document/file_names.h"
#include "settings/corvane_registry.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString General = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\General");

class Frame : public TempSettingsTest {
protected:
    void TearDown() override
    {
        frames.clear();
        expectNoWindowLeftOpen();
    }

    TMain &start(const QStringList &arguments = {})
    {
        frames.push_back(std::make_unique<TMain>(arguments));
        frames.back()->show();
        processEvents();
        return *frames.back();
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        writeBytes(folder.filePath(name), bytes);
        return folder.filePath(name);
    }

    std::vector<std::unique_ptr<TMain>> frames;
    QTemporaryDir folder;
};

TEST_F(Frame, MenuBarAsTabled)
{
    TMain &frame = start();
    QStringList rows;
    for (QAction *menu : frame.menuBar()->actions()) {
        rows << menu->menu()->objectName() + " " + menu->text();
        for (QAction *item : menu->menu()->actions()) {
            rows << "  " + item->objectName() + " " + (item->isSeparator() ? "-" : item->text()) +
                        " " + item->shortcut().toString();
        }
    }
    const QStringList expected = {
        "miFile &File",
        "  miNew &New Ctrl+N",
        "  miOpen &Open... Ctrl+O",
        "  N1 - ",
        "  miSave &Save Ctrl+S",
        "  miSaveAS Save &as... ",
        "  N2 - ",
        "  miPrinterSetup P&rinter setup... ",
        "  miPrint &Print... Ctrl+P",
        "  N3 - ",
        "  miExit E&xit ",
        "miEdit &Edit",
        "  miFind F&ind... ",
        "  miFindNext Find &next F3",
        "  N4 - ",
        "  miReplace &Replace... ",
        "miTools &Tools",
        "  miHPWiz &Homepage Wizard ",
        "  N6 - ",
        "  miUserTags User-&Tags ",
        "Options1 &Options",
        "  miPrefs &Preferences... ",
        "miHelp &Help",
        "  miAbout &About... ",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(Frame, CaptionSizeAndToolBar)
{
    TMain &frame = start();
    EXPECT_EQ(frame.windowTitle(), "Pagewick");
    EXPECT_EQ(frame.size(), QSize(800, 600));
    const struct {
        const char *name;
        int left;
        const char *hint;
    } buttons[] = {{"ebNew", 0, "Create a new HTML-file"},
                   {"ebOpen", 48, "Open a HTML file"},
                   {"ebSave", 96, "Save the current file"},
                   {"ebPrint", 152, "Print the current file"},
                   {"ebExit", 208, "Exit the program"}};
    for (const auto &face : buttons) {
        auto *button = frame.findChild<QToolButton *>(face.name);
        ASSERT_NE(button, nullptr) << face.name;
        EXPECT_EQ(button->geometry(), QRect(face.left, 0, 49, 41)) << face.name;
        EXPECT_EQ(button->toolTip(), face.hint);
        EXPECT_EQ(button->accessibleName(), face.hint);
    }
    EXPECT_NE(frame.findChild<QWidget *>("SpeedPanel"), nullptr);
}

TEST_F(Frame, MenuItemAndToolBarButtonShareOneAction)
{
    TMain &frame = start();
    const char *const commands[][2] = {{"miSave", "ebSave"}, {"miExit", "ebExit"}};
    for (const auto &[item, name] : commands) {
        auto *action = frame.findChild<QAction *>(item);
        auto *button = frame.findChild<QToolButton *>(name);
        ASSERT_TRUE(action && button) << name;
        action->setEnabled(false);
        EXPECT_FALSE(button->isEnabled()) << name;
        action->setEnabled(true);
        EXPECT_TRUE(button->isEnabled()) << name;
    }
    QTest::mouseClick(frame.findChild<QToolButton *>("ebNew"), Qt::LeftButton);
    EXPECT_EQ(frame.documents().size(), 1);
}

TEST_F(Frame, EveryNamedButtonHasAnAccessibleName)
{
    TMain &frame = start();
    frame.sbNewClick();
    int named = 0;
    for (QAbstractButton *button : frame.findChildren<QAbstractButton *>()) {
        // Qt's own parts (the tab bar's arrows, the standard print dialog) are not ours to name.
        if (button->objectName().isEmpty() || button->objectName().startsWith("qt_") ||
            button->window() != &frame)
            continue;
        ++named;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
    }
    EXPECT_GT(named, 30);
}

TEST_F(Frame, EmptyStoreNeitherMaximisesNorCreatesADocument)
{
    TMain &frame = start();
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_TRUE(frame.documents().isEmpty());
}

TEST_F(Frame, AppMaxiMaximisesTheFrame)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, General, "AppMaxi", true);
    TMain &frame = start();
    EXPECT_TRUE(frame.windowState() & Qt::WindowMaximized);
}

TEST_F(Frame, NewDocAndHtmlArgumentGiveTwoWindowsFileInFront)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, General, "NewDoc", true);
    const QString path = writeFile("index.html", "<HTML>\r\n</HTML>");
    TMain &frame = start({path});
    const QList<THTML *> documents = frame.documents();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents.at(0)->windowTitle(), NoName);
    EXPECT_EQ(documents.at(1)->windowTitle(), path);
    EXPECT_EQ(frame.activeDocument(), documents.at(1));
}

TEST_F(Frame, HtmArgumentTestIsCaseSensitiveSubstring)
{
    const QString upper = writeFile("INDEX.HTM", "x");
    EXPECT_TRUE(start({upper}).documents().isEmpty());
    const QString notes = writeFile("notes.htm.txt", "notes");
    const QList<THTML *> opened = start({notes, upper}).documents();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0)->FileName(), notes);
}

TEST_F(Frame, UnreadableArgumentIsReportedAndLeavesNoWindow)
{
    ModalDriver driver;
    driver.answer("OK");
    TMain &frame = start({folder.filePath("missing.htm")});
    EXPECT_TRUE(driver.allHandled());
    EXPECT_TRUE(driver.messages().value(0).startsWith("Fehler|Cannot open file"));
    EXPECT_TRUE(frame.documents().isEmpty());
}

TEST_F(Frame, CommandsWithoutDocumentDoNothing)
{
    TMain &frame = start();
    ModalDriver driver;
    frame.sbSaveClick();
    frame.miSaveAsClick();
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_F3);
    processEvents();
    EXPECT_TRUE(driver.unexpected().isEmpty()) << driver.unexpected().join(";").toStdString();
    EXPECT_TRUE(frame.documents().isEmpty());
}

TEST_F(Frame, TwoNewCommandsGiveTwoUntitledWindows)
{
    TMain &frame = start();
    frame.sbNewClick();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    const QList<THTML *> documents = frame.documents();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents.at(0)->windowTitle(), NoName);
    EXPECT_EQ(documents.at(1)->windowTitle(), NoName);
    EXPECT_EQ(frame.activeDocument(), documents.at(1));
}

TEST_F(Frame, ExitStopsAtTheFirstCancelAndKeepsEveryWindow)
{
    TMain &frame = start();
    THTML *first = frame.sbNewClick();
    THTML *second = frame.sbNewClick();
    first->InsertAtCaret("a", false, 0);
    second->InsertAtCaret("b", false, 0);

    ModalDriver driver;
    driver.answer("&Nein").answer("Abbrechen");
    frame.sbExitClick();
    processEvents();
    EXPECT_TRUE(driver.allHandled());
    EXPECT_EQ(driver.messages().size(), 2);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.documents().size(), 2);
    EXPECT_TRUE(first->isModified());
}

TEST_F(Frame, ExitClosesWhenEveryWindowAgrees)
{
    TMain &frame = start();
    frame.sbNewClick()->InsertAtCaret("a", false, 0);
    frame.sbNewClick();
    ModalDriver driver;
    driver.answer("&Nein");
    frame.sbExitClick();
    processEvents();
    EXPECT_TRUE(driver.allHandled());
    EXPECT_TRUE(driver.unexpected().isEmpty());
    EXPECT_FALSE(frame.isVisible());
}

} // namespace
