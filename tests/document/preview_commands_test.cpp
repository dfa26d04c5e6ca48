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

using Preview = DocumentTest;

// A stand-in browser: records its arguments, then the content of the file it was given last.
// The page sits in a folder with blanks and has quotes in its name.
TEST_F(Preview, ShowsTheFileOrACopyOfTheEditorsTextAndNeverTouchesTheOriginal)
{
    QTemporaryDir folder;
    const QString browser = folder.filePath("fake browser.sh"), record = folder.filePath("record");
    writeBytes(browser, "#!/bin/sh\nfor last; do :; done\n{ for arg; do printf '%s|' \"$arg\"; "
                        "done; echo; cat \"$last\"; } > \"$0.part\"\nmv \"$0.part\" \"" +
                            record.toUtf8() + "\"\n");
    const QString site = folder.filePath("my site"), page = site + "/my \"page\".htm";
    QDir().mkdir(site);
    const QByteArray saved = "<P>one</P>\r\n<P>two</P>";
    const struct {
        const char *name;
        bool titled, modified, starts;
        QString shownFolder;
        QByteArray shown;
    } cases[] = {
        {"Saved", true, false, true, site, saved},
        {"Modified", true, true, true, site, "<B></B>" + saved},
        {"Untitled", false, true, true, QDir::tempPath(), "<B></B><P>new</P>\r\n"},
        {"NoBrowser", true, true, false, site, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        settings.store("Misc", "ExtBrowser",
                       c.starts ? "sh \"" + browser + "\" --new" : folder.filePath("nobrowser"));
        writeBytes(page, saved);
        open("<P>new</P>\n");
        document->SetFileName(c.titled ? page : NoName);
        if (c.titled)
            document->LoadDocument();
        if (c.modified)
            document->InsertAtCaret("<B></B>", false, 0);
        if (!c.starts)
            driver.answer("OK");
        document->pmHTML->findChild<QAction *>("miPreviewDoc")->trigger();
        EXPECT_EQ(readBytes(page), saved);
        if (!c.starts) {
            EXPECT_TRUE(driver.messages().value(0).startsWith("Fehler|The browser \"" +
                                                              folder.filePath("nobrowser")));
            EXPECT_EQ(QDir(site).entryList(QDir::Files | QDir::Hidden).size(), 1);
            continue;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000));
        const QByteArray seen = readBytes(record);
        const QByteArray arguments = seen.left(seen.indexOf('\n'));
        const QString shown = QString::fromUtf8(arguments).section('|', 1, 1);
        EXPECT_EQ(arguments, "--new|" + shown.toUtf8() + '|');
        EXPECT_EQ(QFileInfo(shown).absolutePath(), c.shownFolder);
        EXPECT_EQ(shown == page, !c.modified);
        EXPECT_EQ(seen.mid(arguments.size() + 1), c.shown);
        removePreviewCopies();
        EXPECT_EQ(QFile::exists(shown), shown == page);
        QFile::remove(record);
    }
}

} // namespace
