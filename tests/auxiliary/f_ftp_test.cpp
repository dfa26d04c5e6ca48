#include "app/f_main.h"
#include "auxiliary/f_ftp.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
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
        .then([](QWidget *window) { pressButton(window, "bbCancel"); });
    frame.findChild<QAction *>("miFTP")->trigger();
    frame.findChild<QAction *>("miFTP")->trigger();
}

} // namespace
