#include "app/f_main.h"
#include "controls/explbtn.h"
#include "document/f_html.h"
#include "document/file_names.h"
#include "document/find_dialogs.h"
#include "document/trecode.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

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

// The menus and items in order, and the shortcuts a user relies on.
TEST_F(Frame, MenusInOrderWithTheirShortcuts)
{
    TMain &frame = start();
    QStringList menus;
    for (QAction *menu : frame.menuBar()->actions()) {
        QStringList items{menu->menu()->objectName() + ":"};
        for (QAction *item : menu->menu()->actions())
            items << item->objectName();
        menus << items.join(' ');
    }
    EXPECT_EQ(menus, QStringList({"miFile: miNew miOpen N1 miSave miSaveAS N2 miPrinterSetup "
                                  "miPrint miPreview N3 miExit",
                                  "miEdit: miFind miFindNext N4 miReplace",
                                  "miTools: miHPWiz N6 miUserTags miFTP", "Options1: miPrefs",
                                  "miHelp: miAbout"}));
    for (const auto &[name, keys] : {std::pair("miNew", "Ctrl+N"),
                                     {"miOpen", "Ctrl+O"},
                                     {"miSave", "Ctrl+S"},
                                     {"miPrint", "Ctrl+P"},
                                     {"miPreview", "F9"},
                                     {"miFindNext", "F3"}})
        EXPECT_EQ(frame.findChild<QAction *>(name)->shortcut().toString(), keys) << name;
}

// Started on an empty store: not maximised and no document.
TEST_F(Frame, CaptionSizeAndToolBar)
{
    TMain &frame = start();
    EXPECT_EQ(frame.windowTitle(), "Pagewick");
    EXPECT_EQ(frame.size(), QSize(800, 600));
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_TRUE(frame.documents().isEmpty());
    auto *print = frame.findChild<TExplorerButton *>("ebPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->geometry(), QRect(152, 0, 49, 41));
    EXPECT_EQ(print->parentWidget(), frame.findChild<QWidget *>("SpeedPanel"));
}

TEST_F(Frame, MenuItemAndToolBarButtonShareOneAction)
{
    TMain &frame = start();
    auto *button = frame.findChild<TExplorerButton *>("ebSave");
    frame.findChild<QAction *>("miSave")->setEnabled(false);
    EXPECT_FALSE(button->Enabled());
    frame.findChild<QAction *>("miSave")->setEnabled(true);
    EXPECT_TRUE(button->Enabled());
    QTest::mouseClick(frame.findChild<TExplorerButton *>("ebNew"), Qt::LeftButton);
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

TEST_F(Frame, AppMaxiNewDocAndHtmlArgumentGiveAMaximisedFrameWithTwoWindowsFileInFront)
{
    settings.store("General", "AppMaxi", true);
    settings.store("General", "NewDoc", true);
    const QString path = writeFile("index.html", "<HTML>\r\n</HTML>");
    TMain &frame = start({path});
    EXPECT_TRUE(frame.windowState() & Qt::WindowMaximized);
    const QList<THTML *> documents = frame.documents();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents.at(0)->windowTitle(), NoName);
    EXPECT_EQ(documents.at(1)->windowTitle(), path);
    EXPECT_EQ(frame.activeDocument(), documents.at(1));
}

// The first argument is opened when ".htm" is part of it, case-sensitively; the others are
// ignored. One that cannot be read is reported and leaves no window.
TEST_F(Frame, FirstHtmArgumentIsOpened)
{
    const QString upper = writeFile("INDEX.HTM", "x");
    const QString notes = writeFile("notes.htm.txt", "notes");
    const QString missing = folder.filePath("missing.htm");
    ModalDriver driver;
    EXPECT_TRUE(start({upper}).documents().isEmpty());
    const QList<THTML *> opened = start({notes, missing}).documents();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0)->FileName(), notes);
    driver.answer("OK");
    EXPECT_TRUE(start({missing}).documents().isEmpty());
    EXPECT_EQ(driver.messages().size(), 1);
    EXPECT_TRUE(driver.messages().value(0).startsWith("Fehler|Cannot open file"));
}

TEST_F(Frame, CommandsWithoutDocumentDoNothing)
{
    settings.store("Misc", "ExtBrowser", "/nonexistent/browser");
    TMain &frame = start();
    ModalDriver driver;
    frame.sbSaveClick();
    frame.miSaveAsClick();
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_F3);
    frame.findChild<TExplorerButton *>("ebPrint")->click();
    QTest::keyClick(&frame, Qt::Key_F9);
    frame.findChild<TExplorerButton *>("ebPreview")->click();
    for (const char *name : {"miFind", "miReplace"}) {
        EXPECT_TRUE(frame.findChild<QAction *>(name)->isEnabled()) << name;
        frame.findChild<QAction *>(name)->trigger();
    }
    processEvents();
    EXPECT_TRUE(driver.messages().isEmpty());
    EXPECT_TRUE(frame.documents().isEmpty());
}

// Two New commands give two untitled windows; the Edit menu works on the front one.
TEST_F(Frame, TwoNewWindowsEditMenuWorksOnTheFrontOne)
{
    TMain &frame = start();
    THTML *first = frame.sbNewClick();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(frame.documents().size(), 2);
    THTML *second = frame.documents().at(1);
    EXPECT_EQ(frame.activeDocument(), second);
    EXPECT_EQ(first->windowTitle(), NoName);
    EXPECT_EQ(second->windowTitle(), NoName);
    frame.findChild<QAction *>("miFind")->trigger();
    EXPECT_TRUE(second->FindDialog1->isVisible());
    EXPECT_FALSE(first->FindDialog1->isVisible());
    frame.findChild<QAction *>("miReplace")->trigger();
    EXPECT_TRUE(second->ReplaceDialog1->isVisible());
    EXPECT_FALSE(first->ReplaceDialog1->isVisible());

    // Find next, from the menu or by F3, searches again with the find dialog's text.
    second->RichEdit->setPlainText("ab ab");
    second->FindDialog1->eFindText->setText("ab");
    frame.findChild<QAction *>("miFindNext")->trigger();
    EXPECT_EQ(second->RichEdit->textCursor().selectionStart(), 0);
    QTest::keyClick(second->RichEdit, Qt::Key_F3);
    EXPECT_EQ(second->RichEdit->textCursor().selectionStart(), 3);
}

// Exit asks every modified window and stops at the first Cancel, keeping every window.
TEST_F(Frame, ExitClosesOnlyWhenEveryWindowAgrees)
{
    TMain &frame = start();
    THTML *first = frame.sbNewClick();
    THTML *second = frame.sbNewClick();
    first->InsertAtCaret("a", false, 0);
    second->InsertAtCaret("b", false, 0);
    frame.sbNewClick(); // unmodified: no question
    ModalDriver driver;
    driver.answer("&Nein").answer("Abbrechen");
    frame.sbExitClick();
    processEvents();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.documents().size(), 3);
    EXPECT_TRUE(first->isModified());

    driver.answer("&Nein").answer("&Nein");
    frame.sbExitClick();
    processEvents();
    EXPECT_EQ(driver.messages().size(), 4);
    EXPECT_FALSE(frame.isVisible());
}

} // namespace
