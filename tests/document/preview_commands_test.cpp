#include "document/file_names.h"
#include "document/preview_commands.h"
#include "support/document_fixture.h"
#include "support/test_files.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records its arguments, then the content of the file it was given last.
const QByteArray FakeBrowser =
    "#!/bin/sh\nrecord=\"$(dirname \"$0\")/record\"\nfor last; do :; done\n"
    "{ for arg; do printf '%s|' \"$arg\"; done; echo; cat \"$last\"; }"
    " > \"$record.part\"\nmv \"$record.part\" \"$record\"\n";

class Preview : public DocumentTest {
protected:
    QTemporaryDir folder;
};

// The page sits in a folder with blanks and has quotes in its name: the browser gets its path as
// one argument after its own.
TEST_F(Preview, ShowsTheFileOrACopyOfTheEditorsTextAndNeverTouchesTheOriginal)
{
    const QString browser = folder.filePath("fake browser.sh"), record = folder.filePath("record");
    writeBytes(browser, FakeBrowser);
    QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(folder.path()).mkdir("my site");
    const QString page = folder.filePath("my site/my \"page\".htm");
    const QByteArray saved = "<P>one</P>\r\n<P>two</P>";
    const struct {
        const char *name;
        bool titled, modified;
        QString shownFolder;
        QByteArray shown;
    } cases[] = {
        {"Saved", true, false, folder.filePath("my site"), saved},
        {"Modified", true, true, folder.filePath("my site"), "<B></B>" + saved},
        {"Untitled", false, true, QDir::tempPath(), "<B></B><P>new</P>\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        settings.store("Misc", "ExtBrowser", '"' + browser + "\" --new");
        writeBytes(page, saved);
        open("<P>new</P>\n");
        document->SetFileName(c.titled ? page : NoName);
        if (c.titled)
            document->LoadDocument();
        if (c.modified)
            document->InsertAtCaret("<B></B>", false, 0);
        document->sbPreviewClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000));
        const QByteArray seen = readBytes(record);
        const QByteArray arguments = seen.left(seen.indexOf('\n'));
        const QString shown = QString::fromUtf8(arguments).section('|', 1, 1);
        EXPECT_EQ(arguments, "--new|" + shown.toUtf8() + '|');
        EXPECT_EQ(QFileInfo(shown).absolutePath(), c.shownFolder);
        EXPECT_EQ(shown == page, !c.modified);
        EXPECT_EQ(seen.mid(arguments.size() + 1), c.shown);
        EXPECT_EQ(readBytes(page), saved);
        removePreviewCopies();
        EXPECT_EQ(QFile::exists(shown), shown == page);
        QFile::remove(record);
    }
}

// From the pop-up menu.
TEST_F(Preview, BrowserThatCannotStartIsReportedAndLeavesNoCopy)
{
    settings.store("Misc", "ExtBrowser", folder.filePath("no browser"));
    const QString page = folder.filePath("a.htm");
    writeBytes(page, "<P>one</P>");
    open("");
    document->SetFileName(page);
    document->LoadDocument();
    document->InsertAtCaret("<B></B>", false, 0);
    driver.answer("OK");
    document->pmHTML->findChild<QAction *>("miPreviewDoc")->trigger();
    ASSERT_EQ(driver.messages().size(), 1);
    EXPECT_TRUE(driver.messages().first().startsWith("Fehler|The browser \"" +
                                                     folder.filePath("no browser")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.htm"});
}

} // namespace
