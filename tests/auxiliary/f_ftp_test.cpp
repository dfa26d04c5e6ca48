#include "app/f_main.h"
#include "auxiliary/f_ftp.h"
#include "ftp_test_server.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace {

class UploadWindow : public TempSettingsTest {
protected:
    void TearDown() override { expectDriverFinished(driver); }

    ModalDriver driver;
};

// Drags data over the upload list and drops it there; true when the list took it.
bool dropOnList(const TUploadFTP &window, const QMimeData &data)
{
    QWidget *target = window.lbFiles->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(enter.isAccepted(), drop.isAccepted());
    return drop.isAccepted();
}

TEST_F(UploadWindow, TakesTheSelectedFileOnlyFromTheFileList)
{
    QTemporaryDir folder;
    for (const char *name : {"a.htm", "b.gif"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    TUploadFTP window;
    window.ChangeDirectory(folder.path());
    const QAbstractItemModel &files = *window.flFile->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.rowCount(window.flFile->rootIndex()) == 2; }));
    const QModelIndex first = files.index(0, 0, window.flFile->rootIndex());
    const QModelIndex second = files.index(1, 0, window.flFile->rootIndex());
    const std::unique_ptr<QMimeData> fromList(files.mimeData({second}));
    QMimeData fromElsewhere;
    fromElsewhere.setUrls({QUrl::fromLocalFile(folder.filePath("b.gif"))});
    const QString a = QDir::toNativeSeparators(folder.filePath("a.htm"));

    const struct {
        std::function<void()> act;
        const QMimeData *data;
        bool taken;
        QStringList files;
    } steps[] = {
        {[] {}, fromList.get(), true, {}},
        {[&] { window.flFile->setCurrentIndex(first); }, fromList.get(), true, {a}},
        {[] {}, fromList.get(), true, {a, a}},
        {[] {}, &fromElsewhere, false, {a, a}},
        {[&] { window.sbResetList->click(); }, &fromElsewhere, false, {}},
        {[&] { window.sbResetList->click(); }, fromList.get(), true, {a}},
        {[&] {
             window.ChangeDirectory(folder.filePath("gone"));
             window.flFile->setCurrentIndex(files.index(0, 0, window.flFile->rootIndex()));
         },
         fromList.get(),
         true,
         {a}},
    };
    for (const auto &step : steps) {
        step.act();
        EXPECT_EQ(dropOnList(window, *step.data), step.taken);
        EXPECT_EQ(window.files(), step.files) << window.files().join(" ").toStdString();
    }
}

// Tools > Upload files opens the window; OK and Cancel both just close it.
TEST_F(UploadWindow, OpensFromTheToolsMenu)
{
    TMain frame;
    driver
        .then([](QWidget *window) {
            EXPECT_EQ(window->windowTitle(), "Upload to FTP-site");
            pressButton(window, "bbOK");
        })
        .press("bbCancel");
    frame.findChild<QAction *>("miFTP")->trigger();
    frame.findChild<QAction *>("miFTP")->trigger();
}

// Shows the file in the window's lists, selects it and drags it into the upload list.
void addFile(TUploadFTP &window, const QString &path)
{
    window.ChangeDirectory(QFileInfo(path).path());
    const QAbstractItemModel &files = *window.flFile->model();
    QModelIndexList found;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        found = files.match(files.index(0, 0, window.flFile->rootIndex()), Qt::DisplayRole,
                            QFileInfo(path).fileName());
        return found.size() == 1;
    }));
    window.flFile->setCurrentIndex(found[0]);
    const std::unique_ptr<QMimeData> drag(files.mimeData(found));
    ASSERT_TRUE(dropOnList(window, *drag));
}

// Upload sends the list to the server of the settings, each file to its remote path, with a
// progress window whose Cancel stops it; the box tells what arrived.
TEST_F(UploadWindow, SendsTheListToTheServerOfTheSettings)
{
    if (!FtpTestServer::available())
        GTEST_SKIP() << "/usr/bin/python3 lacks pyftpdlib (tools/test.sh installs it)";
    QTemporaryDir site(QDir::tempPath() + "/site%2-XXXXXX"); // a path is no pattern
    QDir(site.path()).mkpath("img");
    const QByteArray page = "<HTML></HTML>", picture(256 * 1024, 'p');
    for (const auto &[name, bytes] : {std::pair{"index.htm", page}, {"img/a.gif", picture}}) {
        QFile file(site.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    TUploadFTP window;
    addFile(window, site.filePath("index.htm"));
    addFile(window, site.filePath("img/a.gif"));
    EXPECT_EQ(window.remotePaths(), QStringList({"index.htm", "img/a.gif"}));
    EXPECT_TRUE(
        window.lbFiles->item(1)->text().endsWith(QStringLiteral("a.gif\n    \u2192 img/a.gif")));
    TempSettings::store("FTP", "Username", "ann");
    TempSettings::store("FTP", "Password", "pw");

    const QString sent = "Sent to ftp://127.0.0.1:%1/up/:\nindex.htm\nimg/a.gif";
    const QString ask = "Bestätigen|The server ftp://127.0.0.1:%1/up/ offers no TLS: your user "
                        "name, password and files would go over the network unencrypted.\n\n"
                        "Send them anyway?";
    const struct {
        QStringList serverOptions;
        const char *answer; // to the question about plain FTP; "" once the user agreed
        bool cancel;
        QString message; // the start of the last box; %1: the server's port
        QStringList files;
    } rows[] = {
        {{},
         "&Nein",
         false,
         "Fehler|\"" + QDir::toNativeSeparators(site.filePath("index.htm")) +
             "\" was not sent to ftp://127.0.0.1:%1/up/: the server offers no TLS",
         {}},
        {{}, "&Ja", false, "Information|" + sent, {"up/img/a.gif", "up/index.htm"}},
        {{"--stall-after", "65536"},
         "",
         true,
         "Information|The upload was cancelled.\n\nSent to ftp://127.0.0.1:%1/up/ "
         "before:\nindex.htm",
         {"up/index.htm"}},
    };
    for (const auto &row : rows) {
        FtpTestServer server(row.serverOptions);
        TempSettings::store("FTP", "Host", server.address() + "/up");
        bool progressShown = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            if (!progress || progress->objectName() != "UploadProgress")
                return;
            progressShown |= progress->labelText().startsWith("Sending \"" + site.path());
            if (row.cancel && progress->labelText().contains("file 2 of 2"))
                QTest::keyClick(progress, Qt::Key_Escape);
        });
        watch.start(5);
        ModalDriver boxes;
        if (*row.answer)
            boxes.answer(row.answer);
        boxes.answer("OK");
        window.sbUploadFiles->click();
        ASSERT_TRUE(boxes.allHandled());
        const QString port = server.address().section(':', 1);
        EXPECT_EQ(boxes.messages().size() > 1, *row.answer != 0);
        EXPECT_TRUE(!*row.answer || boxes.messages().value(0) == QString(ask).arg(port));
        EXPECT_TRUE(boxes.messages().last().startsWith(QString(row.message).arg(port)))
            << boxes.messages().last().toStdString();
        EXPECT_TRUE(progressShown || row.files.isEmpty());
        EXPECT_EQ(server.files().keys(), row.files);
    }
}

} // namespace
