#include "settings/f_prefs.h"

#include "app/f_main.h"
#include "document/f_html.h"
#include "document/trecode.h"
#include "settings/color_label.h"
#include "settings/stored_settings.h"
#include "support/failing_store.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

class Prefs : public TempSettingsTest {
protected:
    void TearDown() override { expectDriverFinished(driver); }

    // Opens the dialog, hands it to check (which must close it), returns the modal result.
    int run(std::function<void(TPrefs &)> check)
    {
        TPrefs prefs;
        driver.then([&](QWidget *) { check(prefs); });
        return prefs.ShowModal();
    }

    static SettingsFields stored() { return readSettings(); }

    ModalDriver driver;
};

// The tab a user would pick before using its controls.
void showPage(TPrefs &prefs, int index)
{
    prefs.PageControl1->setCurrentIndex(index);
    processEvents();
}

} // namespace

// The captions come from the code's tables; here one of them, and what is disabled.
TEST_F(Prefs, ControlsAreNamedAndTheUnusedOnesDisabled)
{
    TPrefs prefs;
    EXPECT_EQ(prefs.objectName(), "Prefs");
    EXPECT_EQ(prefs.windowTitle(), "Preferences");
    EXPECT_FALSE(prefs.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(prefs.PageControl1->count(), 5);
    EXPECT_EQ(prefs.cbAppMaxi->accessibleName(), "Start application maximized");
    EXPECT_EQ(prefs.sbLocateBrowser->accessibleName(), "Locate the external browser");
    EXPECT_FALSE(prefs.cbSplash->isEnabled());
    EXPECT_TRUE(prefs.lbOther->isEnabled());
    EXPECT_EQ(prefs.cbSyntaxColouring->text(), "S&yntax colouring");
    EXPECT_EQ(prefs.ePassword->echoMode(), QLineEdit::Normal);
}

// Cancel writes them too (the next tests).
TEST_F(Prefs, EmptyStoreShowsTheDefaultsAndOkWritesAll)
{
    const int result = run([](TPrefs &prefs) {
        EXPECT_EQ(prefs.PageControl1->currentIndex(), 0);
        EXPECT_EQ(QApplication::focusWidget(), prefs.cbAppMaxi);
        // The values shown are the ones written below; here only how they look.
        for (ColorLabel *sample : {prefs.lbTextCol, prefs.lbBGCol})
            EXPECT_EQ(sample->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(prefs.lbFontName->text(), "Courier New");
        EXPECT_EQ(prefs.lbFontName->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_TRUE(prefs.lbFontName->autoFillBackground());
        EXPECT_EQ(prefs.lbFontName->font().family(), "Courier New");
        EXPECT_EQ(prefs.lbLinks->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        pressButton(&prefs, "bbOK");
    });
    EXPECT_EQ(result, 1);

    // Every value is written; the stored-values test holds the exact layout.
    const QByteArray written = settings.contents();
    EXPECT_EQ(written.count("\"="), 23) << written.toStdString();
    for (const char *line :
         {"\"AppMaxi\"=dword:00000001\n", "\"Links\"=dword:00ff0000\n",
          "\"SyntaxColouring\"=dword:00000001\n", "\"Host\"=\"ftp.\"\n", "\"InitDir\"=\"/\"\n"})
        EXPECT_TRUE(written.contains(line)) << line;
}

// Another running Pagewick changes ShowComp and Author while the dialog is open: its ShowComp
// is kept, the Author typed here wins.
TEST_F(Prefs, CancelStillStoresAChangeExactlyAsTypedAndKeepsWhatAnotherProgramChanged)
{
    const int result = run([](TPrefs &prefs) {
        TempSettings::store("General", "ShowComp", true);
        TempSettings::store("", "Author", "Bob");
        pressButton(&prefs, "cbNewDoc");
        showPage(prefs, 3);
        // Clicked on its caption: the middle of the wide button is outside its hit area.
        QTest::mouseClick(prefs.rbYes, Qt::LeftButton, {}, QPoint(8, prefs.rbYes->height() / 2));
        setControlText(&prefs, "eAuthorName", " Ann ");
        setControlText(&prefs, "ePassword", "p\"w\\");
        QTest::keyClick(&prefs, Qt::Key_Escape);
    });

    EXPECT_EQ(result, 2);
    const SettingsFields now = stored();
    EXPECT_TRUE(now.NewDoc && now.UseNetscapeExt && now.ShowComp && now.AppMaxi);
    EXPECT_EQ(now.Author, " Ann ");
    EXPECT_EQ(now.Password, "p\"w\\");
}

// A dialog opened from a handler ends that handler; the preferences come back to the next one.
TEST_F(Prefs, EditorColorsShowOnBothSamplesAndColorDialogStartsFromItsLastChoice)
{
    TPrefs prefs;
    const auto doubleClick = [&prefs](ColorLabel *sample) {
        return [&prefs, sample](QWidget *) {
            showPage(prefs, 1);
            QTest::mouseDClick(sample, Qt::LeftButton);
        };
    };
    const auto choose = [](QColor expectedStart, QColor choice, bool ok) {
        return [=](QWidget *w) {
            auto *dialog = qobject_cast<QColorDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentColor(), expectedStart);
            dialog->setCurrentColor(choice);
            ok ? dialog->accept() : dialog->reject();
        };
    };
    driver.then(doubleClick(prefs.lbTextCol))
        .then(choose(Qt::black, Qt::red, true))
        .then(doubleClick(prefs.lbBGCol))
        .then(choose(Qt::red, Qt::green, false))
        // A Cancel returns nothing: the next run starts from red again.
        .then(doubleClick(prefs.lbBGCol))
        .then(choose(Qt::red, Qt::yellow, true))
        .then([&prefs](QWidget *) {
            for (ColorLabel *sample : {prefs.lbTextCol, prefs.lbBGCol}) {
                EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(Qt::red));
                EXPECT_EQ(sample->palette().color(QPalette::Window), QColor(Qt::yellow));
            }
            pressButton(&prefs, "bbOK");
        });
    prefs.ShowModal();

    EXPECT_EQ(stored().TextCol, 0x0000FFu);
    EXPECT_EQ(stored().BGCol, 0x00FFFFu);
}

TEST_F(Prefs, TagColourStartsFromItsLabelAndIsStoredWithTheColouringSwitch)
{
    TPrefs prefs;
    driver
        .then([&prefs](QWidget *) {
            showPage(prefs, 1);
            QTest::mouseDClick(prefs.lbLinks, Qt::LeftButton);
        })
        .then([](QWidget *w) {
            auto *dialog = qobject_cast<QColorDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentColor(), QColor(Qt::blue));
            dialog->setCurrentColor(Qt::green);
            dialog->accept();
        })
        .then([&prefs](QWidget *) {
            EXPECT_EQ(prefs.lbLinks->palette().color(QPalette::WindowText), QColor(Qt::green));
            QCheckBox *colouring = prefs.cbSyntaxColouring;
            QTest::mouseClick(colouring, Qt::LeftButton, {}, QPoint(8, colouring->height() / 2));
            pressButton(&prefs, "bbOK");
        });
    prefs.ShowModal();
    EXPECT_EQ(stored().Links, 0x00FF00u);
    EXPECT_FALSE(stored().SyntaxColouring);
}

TEST_F(Prefs, FontOkWithoutAChangeKeepsTheNameAndAChosenBoldFontShowsBoldAndIsStored)
{
    TPrefs prefs;
    const auto chooseFont = [&prefs](QWidget *) {
        showPage(prefs, 1);
        QTest::mouseDClick(prefs.lbFontName, Qt::LeftButton);
    };
    driver.then(chooseFont)
        .then([](QWidget *w) { qobject_cast<QDialog *>(w)->accept(); })
        .then([&prefs, chooseFont](QWidget *w) {
            EXPECT_EQ(prefs.lbFontName->text(), "Courier New");
            chooseFont(w);
        })
        .then([](QWidget *w) {
            auto *dialog = qobject_cast<QFontDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentFont().family(),
                      QFontInfo(QFont(QStringLiteral("Courier New"))).family());
            EXPECT_EQ(dialog->currentFont().pointSize(), 10);
            QFont bold(QStringLiteral("Liberation Serif"), 14);
            bold.setBold(true);
            dialog->setCurrentFont(bold);
            dialog->accept();
        })
        .then([&prefs](QWidget *) {
            EXPECT_EQ(prefs.lbFontName->text(), "Liberation Serif");
            EXPECT_TRUE(prefs.lbFontName->font().bold());
            pressButton(&prefs, "bbOK");
        });
    prefs.ShowModal();
    EXPECT_EQ(stored().StdFont, "Liberation Serif");
    EXPECT_EQ(stored().StdFontSize, 14);
}

// A stored value unlike the default shows on every control and is written back unchanged; a
// wrongly typed one shows its default, which the save writes over it.
TEST_F(Prefs, StoredValuesComeBackAsReadExceptThatTrueIsWrittenAs1AndWrongTypesAreRepaired)
{
    settings.setContents(QByteArray(StoredSettings)
                             .replace("\"TextCol\"=dword:00102030", "\"TextCol\"=\"red\"")
                             .replace("\"NewDoc\"=dword:00000001", "\"NewDoc\"=\"yes\""));
    settings.store("FTP", "Password", QString(40000, QLatin1Char('p')));
    QByteArray expected = settings.contents();
    EXPECT_EQ(run([](TPrefs &prefs) { pressButton(&prefs, "bbCancel"); }), 2);

    EXPECT_EQ(settings.notices().size(), 2);
    // A size that no font can have falls back to 10, as the editor applies it.
    expected.replace("\"AppMaxi\"=dword:00000005", "\"AppMaxi\"=dword:00000001")
        .replace("\"StdFontSize\"=dword:fffffffe", "\"StdFontSize\"=dword:0000000a")
        .replace("\"TextCol\"=\"red\"", "\"TextCol\"=dword:00000000")
        .replace("\"NewDoc\"=\"yes\"", "\"NewDoc\"=dword:00000000");
    EXPECT_EQ(settings.contents().toStdString(), expected.toStdString());
}

TEST_F(Prefs, LocateBrowserPutsTheChosenPathIntoTheEditBox)
{
    QTemporaryDir folder;
    const QString browser = folder.filePath("browser");
    writeBytes(browser, {});
    QFile::setPermissions(browser, QFile::ReadOwner | QFile::ExeOwner);

    TPrefs prefs;
    driver
        .then([&prefs](QWidget *) {
            showPage(prefs, 2);
            pressButton(&prefs, "sbLocateBrowser");
        })
        .chooseFile(browser, "Locate the external browser")
        .then([&prefs, browser](QWidget *) {
            EXPECT_EQ(prefs.eBrowser->text(), browser);
            pressButton(&prefs, "bbOK");
        });
    prefs.ShowModal();
    EXPECT_EQ(stored().ExtBrowser, browser);
}

// The frame's item opens the dialog even over a damaged file, whose save writes a new one. No
// settings cache: windows read the store when they are created.
TEST_F(Prefs, FrameOpensTheDialogOverADamagedFileAndASavedChangeReachesOnlyNewWindows)
{
    settings.setContents(
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\nbroken\n");
    TMain frame;
    frame.show();
    processEvents();
    driver.press("bbOK");
    frame.findChild<QAction *>("miPrefs")->trigger();
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().contains("line 4"))
        << settings.notices().first().toStdString();
    EXPECT_TRUE(stored().AppMaxi);

    THTML *before = frame.sbNewClick();
    ASSERT_NE(before, nullptr);
    settings.store("Editor", "TextCol", 0x0000FF);
    settings.store("Editor", "SyntaxColouring", false);
    EXPECT_EQ(before->RichEdit->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_TRUE(before->RichEdit->isColouring());
    THTML *after = frame.sbNewClick();
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->RichEdit->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_FALSE(after->RichEdit->isColouring());
    for (THTML *document : frame.documents())
        document->approveClose();
    frame.close();
}

TEST_F(Prefs, FailedSaveIsReportedAndTheDialogStillCloses)
{
    FailingStore::install(FailingStore::Writes);
    TPrefs prefs;
    driver.press("bbOK").answer("OK");
    EXPECT_EQ(prefs.ShowModal(), 1);

    EXPECT_EQ(driver.messages(),
              QStringList("Fehler|Failed to set data for 'Splash': Cannot write 'Splash'"));
}
