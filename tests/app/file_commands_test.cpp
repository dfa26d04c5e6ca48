#include "app/f_main.h"
#include "app/file_commands.h"
#include "controls/busy_progress.h"
#include "document/f_html.h"
#include "document/file_names.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/fifo_feeder.h"
#include "support/file_size_limit.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class FileCommands : public TempSettingsTest {
protected:
    void SetUp() override
    {
        frame = std::make_unique<TMain>();
        frame->show();
        processEvents();
    }
    void TearDown() override
    {
        frame.reset();
        processEvents();
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        writeBytes(folder.filePath(name), bytes);
        return folder.filePath(name);
    }

    THTML *openThroughDialog(const QString &path)
    {
        ModalDriver driver;
        driver.chooseFile(path);
        frame->sbOpenClick();
        return frame->activeDocument();
    }

    std::unique_ptr<TMain> frame;
    QTemporaryDir folder;
};

// The file layer's own tests hold every fixture; these rows are what the editor could spoil.
TEST_F(FileCommands, FilesOpenAndSaveBackByteForByte)
{
    // The CR is the last byte of the first megabyte, the LF the first of the next.
    QByteArray straddle(1 << 20, 'a');
    straddle[(1 << 20) - 1] = '\r';
    straddle += "\nlast line\r\n";
    const std::pair<QString, QByteArray> files[] = {
        {"straddle.htm", straddle},        {"utf8_bom.htm", {}},
        {"windows1252_undefined.htm", {}}, {"cr.htm", {}},
        {"no_final_break.htm", {}},        {"empty.htm", {}},
        {"nbsp_windows1252.htm", {}},
    };
    for (const auto &[name, generated] : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray original = generated.isEmpty()
                                        ? readBytes(QStringLiteral(PAGEWICK_FIXTURES "/") + name)
                                        : generated;
        const QString path = writeFile(name, original);
        THTML *document = openThroughDialog(path);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->windowTitle(), path);
        EXPECT_EQ(document->statusText(1), "");
        QFile::remove(path);
        frame->sbSaveClick();
        EXPECT_EQ(readBytes(path), original);
        document->parentWidget()->close();
        processEvents();
    }
    EXPECT_TRUE(frame->documents().isEmpty());
}

TEST_F(FileCommands, NothingTheUserDoesDuringABigLoadTouchesTheHalfLoadedDocument)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() <= BusyProgress::ShownFrom; ++i)
        bytes += "<TR><TD>Row " + QByteArray::number(i) + "</TD></TR>\r\n";
    const QString path = writeFile("big.htm", bytes);
    // Once the progress window is up: Escape and close it, then type, save and close the
    // document, all through the window system as a user would.
    bool meddled = false;
    QTimer user;
    user.setInterval(1);
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (!progress || meddled)
            return;
        meddled = true;
        QTest::keyClick(progress->windowHandle(), Qt::Key_Escape);
        progress->windowHandle()->close();
        frame->activateWindow(); // the offscreen platform lets a blocked window activate
        processEvents();
        QWindow *main = frame->windowHandle();
        QTest::keyClick(main, Qt::Key_X);
        QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(main, Qt::Key_F4, Qt::ControlModifier);
    });
    user.start();
    THTML *document = frame->openDocument(path);
    user.stop();
    ASSERT_TRUE(meddled) << "the progress window never showed";
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(frame->documents().size(), 1);
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(document->LineCount(), bytes.count('\n'));
    EXPECT_TRUE(readBytes(path) == bytes) << "the file was written during the load";
}

TEST_F(FileCommands, RefusedOrCancelledOpenLeavesNoWindowAndNeverReadsAFifo)
{
    const QString fifo = folder.filePath("pipe.htm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString nul = writeFile("nul.htm", QByteArray("<HTML>\0</HTML>", 14));
    const FifoFeeder feeder(fifo);
    ModalDriver driver;
    driver.answer("OK").chooseFile(fifo).answer("OK").chooseFile(nul).answer("OK").chooseFile({});
    frame = std::make_unique<TMain>(QStringList{fifo}); // from the command line
    frame->show();
    processEvents();
    for (int i = 0; i < 3; ++i)
        frame->sbOpenClick();
    const QString notRegular =
        "Fehler|Cannot open file \"" + fifo + "\". It is not a regular file.";
    EXPECT_EQ(driver.messages(),
              QStringList({notRegular, notRegular,
                           "Fehler|Cannot open file \"" + nul +
                               "\". It is not a text file (it holds NUL bytes)."}));
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_FALSE(feeder.readerCame());
}

TEST_F(FileCommands, OpeningTellsWhatSavingWillChange)
{
    const QString path = writeFile("breaks.htm", "a\xE2\x80\xA9"
                                                 "b\r\n");
    ModalDriver driver;
    driver.chooseFile(path).answer("OK");
    frame->sbOpenClick();
    EXPECT_EQ(driver.messages().value(0),
              "Information|" + savingChangesNotice(path, {.breaksInText = true}));
    frame->sbSaveClick();
    EXPECT_EQ(readBytes(path), "a\r\nb\r\n");
}

// Save as replaces a file without asking, adds no extension and shows the lowered bare name; a
// new document is UTF-8 with CR LF. Save asking for a name is the close question's test.
TEST_F(FileCommands, UntitledDocumentIsSavedUnderTheChosenName)
{
    THTML *document = frame->sbNewClick();
    document->AppendLine("é");
    document->AppendLine("€");
    const QString path = writeFile("Index", "old contents");
    ModalDriver driver;
    driver.chooseFile(path);
    frame->miSaveAsClick();
    EXPECT_EQ(document->FileName(), path);
    EXPECT_EQ(document->windowTitle(), "index");
    EXPECT_EQ(readBytes(path), "\xC3\xA9\r\n\xE2\x82\xAC\r\n");
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Index"});

    document->InsertAtCaret("x", false, 0);
    frame->sbSaveClick(); // no dialog: the name is known
    EXPECT_EQ(readBytes(path), "\xC3\xA9\r\n\xE2\x82\xAC\r\nx");
}

TEST_F(FileCommands, FailedSaveReportsAndKeepsOldFileAndMark)
{
    const QString path = writeFile("keep.htm", "old");
    THTML *document = openThroughDialog(path);
    ASSERT_NE(document, nullptr);
    document->InsertAtCaret(QString(4096, QLatin1Char('x')), false, 0);
    ModalDriver driver;
    driver.answer("OK");
    {
        FileSizeLimit full(1024); // below the write buffer: only the final flush fails
        frame->sbSaveClick();
    }
    EXPECT_EQ(driver.messages().value(0), "Fehler|Cannot write file \"" +
                                              QDir::toNativeSeparators(path) +
                                              "\". File too large");
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(document->statusText(1), "modified...");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

// Typing marks the document modified; a character Windows-1252 lacks makes the file UTF-8.
TEST_F(FileCommands, TypingAForeignCharacterThenSavingWritesUtf8AndClearsTheMark)
{
    const QString path = writeFile("latin.htm", "caf\xE9");
    THTML *document = openThroughDialog(path);
    ASSERT_NE(document, nullptr);
    QTest::keyClicks(document->RichEdit, "X");
    EXPECT_EQ(document->statusText(0), "1:0");
    EXPECT_EQ(document->statusText(1), "modified...");
    document->InsertAtCaret(QString::fromUtf8("ő"), false, 0);
    ModalDriver driver;
    driver.answer("OK");
    frame->sbSaveClick();
    EXPECT_EQ(driver.messages(), QStringList("Information|\"" + path +
                                             "\" holds characters that Windows-1252 cannot "
                                             "store, so it was saved as UTF-8."));
    EXPECT_EQ(readBytes(path), "X\xC5\x91"
                               "caf\xC3\xA9");
    EXPECT_EQ(document->statusText(1), "");
}

// Yes saves before closing; a cancelled Save as keeps the window and its text.
TEST_F(FileCommands, CloseQuestionYesSavesThenCloses)
{
    THTML *document = frame->sbNewClick();
    document->InsertAtCaret("kept", false, 0);
    const QString path = folder.filePath("kept.htm");
    ModalDriver driver;
    driver.answer("&Ja").chooseFile({});
    document->parentWidget()->close();
    processEvents();
    EXPECT_EQ(driver.messages().value(0),
              QString("Bestätigen|") + NoName + " is not yet saved! Save ?");
    ASSERT_EQ(frame->documents().size(), 1);
    EXPECT_EQ(documentText(*document), "kept");
    EXPECT_EQ(document->windowTitle(), NoName);

    driver.answer("&Ja").chooseFile(path);
    document->parentWidget()->close();
    processEvents();
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_EQ(readBytes(path), "kept");
}

} // namespace
