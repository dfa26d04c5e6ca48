#include "app/f_main.h"
#include "core/private_files.h"
#include "document/f_recover.h"
#include "document/file_names.h"
#include "document/recovery_store.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

QStringList copiesIn(const QString &folder)
{
    QStringList found;
    for (QDirIterator it(folder, {"*.copy"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        found.append(it.next());
    return found;
}

class Recovery : public TempSettingsTest {
protected:
    void TearDown() override { RecoveryStore::setCurrent(nullptr); }

    // A frame started on the recovery folder, its offer answered by handler.
    std::unique_ptr<TMain> start(ModalDriver::Handler handler)
    {
        store = std::make_unique<RecoveryStore>(folder);
        RecoveryStore::setCurrent(store.get());
        ModalDriver driver;
        driver.then(std::move(handler));
        auto frame = std::make_unique<TMain>();
        frame->show();
        processEvents();
        EXPECT_TRUE(driver.allHandled());
        return frame;
    }

    const QString folder = defaultRecoveryFolder();
    std::unique_ptr<RecoveryStore> store;
    QTemporaryDir files;
};

TEST_F(Recovery, KilledProcessLeavesCopyThatComesBackByteExact)
{
    const QString path = files.filePath("page.htm");
    writeBytes(path, "<P>caf\xE9\xA0one\r<P>two\r");
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PAGEWICK_RECOVERY_QUIET_MS", "50");
    helper.setProcessEnvironment(environment);
    helper.start(PAGEWICK_RECOVERY_HELPER, {path, "<B>\u00A0</B>"});
    ASSERT_TRUE(helper.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !copiesIn(folder).isEmpty(); }, 20000));
    {
        RecoveryStore other(folder);
        EXPECT_TRUE(other.claimLeftCopies().isEmpty()); // its instance still runs
    }
    kill(pid_t(helper.processId()), SIGKILL);
    helper.waitForFinished();

    const auto frame = start([](QWidget *offer) { pressButton(offer, "bbRecover"); });
    THTML *document = frame->activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->windowTitle(), path);
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(documentText(*document), "<B>\u00A0</B><P>caf\u00E9\u00A0one\n<P>two\n");
    // The copy moves into this instance's own folder, where no other Pagewick claims it.
    const QStringList copies = copiesIn(folder);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(QFileInfo(copies[0]).path(), store->folder());
    frame->sbSaveClick();
    EXPECT_EQ(readBytes(path), "<B>\xA0</B><P>caf\xE9\xA0one\r<P>two\r");
    EXPECT_EQ(copiesIn(folder), QStringList());
    document->approveClose();
}

// Copies left by an instance that ended: one whole untitled document and one damaged copy.
TEST_F(Recovery, OfferListsDamagedCopiesAndKeepsWhatIsNotActedOn)
{
    const struct {
        const char *button;
        int windows;
        int copiesLeft;
    } rows[] = {{"bbLater", 0, 2}, {"bbDiscard", 0, 0}, {"bbRecover", 1, 2}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.button);
        store.reset();
        QDir(folder).removeRecursively();
        {
            RecoveryStore ended(folder);
            writePrivateFile(ended.newCopyPath(),
                             encodeRecoveryCopy(
                                 {{}, {}, QDateTime::currentDateTimeUtc(), {}, "untitled\ntext"}));
            writePrivateFile(ended.newCopyPath(), "Pagewick recovery copy 1\nfile=");
        }
        QStringList listed;
        const auto frame = start([&](QWidget *offer) {
            for (QTreeWidgetItem *item :
                 offer->findChild<QTreeWidget *>("lvCopies")->findItems("", Qt::MatchContains))
                listed.append(item->text(0));
            pressButton(offer, row.button);
            if (offer->isVisible()) // a damaged copy cannot be recovered: it stays listed
                pressButton(offer, "bbLater");
        });
        ASSERT_EQ(listed.size(), 2);
        EXPECT_EQ(listed[0], NoName);
        EXPECT_TRUE(listed[1].startsWith("Damaged copy ")) << listed[1].toStdString();
        EXPECT_EQ(frame->documents().size(), row.windows);
        EXPECT_EQ(copiesIn(folder).size(), row.copiesLeft);
        for (THTML *document : frame->documents()) {
            EXPECT_EQ(documentText(*document), "untitled\ntext");
            EXPECT_EQ(document->windowTitle(), NoName);
            EXPECT_TRUE(document->isModified());
            document->approveClose();
        }
    }
}

} // namespace
