#include "dialogs/f_imggal.h"
#include "support/document_fixture.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using ImgGalDialog = DocumentTest;

QStringList entries(const QListWidget &list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names.append(list.item(row)->text());
    return names;
}

// Waits for the file list to show these names, in this order (it reads and sorts the folder in
// the background).
bool fileListShows(const TImgGal &dialog, const QStringList &names)
{
    return QTest::qWaitFor([&] {
        const QAbstractItemModel &files = *dialog.lbFile->model();
        QStringList shown;
        for (int row = 0; row < files.rowCount(dialog.lbFile->rootIndex()); ++row)
            shown.append(files.index(row, 0, dialog.lbFile->rootIndex()).data().toString());
        return shown == names;
    });
}

TEST_F(ImgGalDialog, ListButtonsMoveFileNamesAndTheFilterSetsTheMask)
{
    QTemporaryDir folder;
    for (const char *name : {"b.gif", "a.jpg", "C.GIF", "notes.txt", "readme"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    TImgGal dialog;
    dialog.ChangeDirectory(folder.path());
    ASSERT_TRUE(fileListShows(dialog, {"a.jpg", "b.gif", "C.GIF"}));
    const QModelIndex first = dialog.lbFile->model()->index(0, 0, dialog.lbFile->rootIndex());

    const struct {
        std::function<void()> act;
        QPushButton *button;
        QStringList images;
    } steps[] = {
        {[] {}, dialog.sbAdd, {}},
        {[&] { dialog.lbFile->setCurrentIndex(first); }, dialog.sbAdd, {"a.jpg"}},
        {[] {}, dialog.sbAdd, {"a.jpg", "a.jpg"}},
        {[] {}, dialog.sbAddAll, {"a.jpg", "a.jpg", "a.jpg", "b.gif", "C.GIF"}},
        {[] {}, dialog.sbRemove, {"a.jpg", "a.jpg", "a.jpg", "b.gif", "C.GIF"}},
        {[&] { dialog.lbImages->setCurrentRow(3); },
         dialog.sbRemove,
         {"a.jpg", "a.jpg", "a.jpg", "C.GIF"}},
        {[] {}, dialog.sbRemoveAll, {}},
    };
    for (const auto &step : steps) {
        step.act();
        QTest::mouseClick(step.button, Qt::LeftButton);
        EXPECT_EQ(entries(*dialog.lbImages), step.images) << step.button->text().toStdString();
    }

    dialog.cbFilter->setCurrentIndex(1);
    emit dialog.cbFilter->activated(1);
    EXPECT_TRUE(fileListShows(dialog, {"a.jpg", "b.gif", "C.GIF", "notes.txt", "readme"}));
    dialog.cbUseBorder->click();
    EXPECT_FALSE(dialog.eBorder->isEnabled() || dialog.Label5->isEnabled());

    driver.answer("OK");
    dialog.ChangeDirectory(folder.filePath("gone"));
    EXPECT_EQ(driver.messages().value(0).section('|', 1),
              "The folder " + QDir::toNativeSeparators(folder.filePath("gone")) +
                  " cannot be read.");
    EXPECT_EQ(dialog.lbFile->model(), nullptr);
    QTest::mouseClick(dialog.sbAddAll, Qt::LeftButton);
    EXPECT_EQ(dialog.lbImages->count(), 0);
    dialog.ChangeDirectory(folder.path());
    EXPECT_TRUE(fileListShows(dialog, {"a.jpg", "b.gif", "C.GIF", "notes.txt", "readme"}));
}

// The pop-up item and the Special page's button both run the gallery; a row count outside
// 1..255 is refused with the list kept, and the lines land after the last line as one step.
TEST_F(ImgGalDialog, RowCountRefusedUntilOneTo255ThenAppendedAsOneUndoStep)
{
    open("abc\ndef", 0, 1);
    driver.press("bbCancel");
    for (const char *refused : {"0", "256", "x"}) {
        driver
            .then([refused](QWidget *dialog) {
                auto *images = dialog->findChild<QListWidget *>("lbImages");
                if (images->count() == 0)
                    images->addItem("a.gif");
                EXPECT_EQ(images->count(), 1);
                setControlText(dialog, "eNrRow", refused);
                pressButton(dialog, "bbOK");
            })
            .answer("OK");
    }
    driver.then([](QWidget *dialog) {
        EXPECT_EQ(dialog->findChild<QListWidget *>("lbImages")->count(), 1);
        setControlText(dialog, "eNrRow", "255");
        pressButton(dialog, "bbOK");
    });
    document->pmHTML->findChild<QAction *>("miImgGallery")->trigger();
    EXPECT_FALSE(document->isModified());
    click("ebImgGallery");
    EXPECT_EQ(text(), "abc\ndef\n<H1></H1>\n<TABLE BORDER=1>\n  <TR>\n"
                      "    <TD><IMG SRC=\"a.gif\"></TD>\n  </TR>\n</TABLE>");
    EXPECT_EQ(driver.messages().size(), 3);
    EXPECT_TRUE(driver.messages().value(2).startsWith("Fehler|\"x\" is not a number of images"));
    document->sbUndoClick();
    EXPECT_EQ(text(), "abc\ndef");
}

} // namespace
