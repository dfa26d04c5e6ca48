#include "document/f_html.h"
#include "document/recovery_store.h"
#include "document/recovery_writer.h"
#include "document/trecode.h"
#include "support/document_fixture.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class RecoveryWriting : public TempSettingsTest {
protected:
    void SetUp() override { RecoveryStore::setCurrent(&store); }
    void TearDown() override
    {
        RecoveryStore::setCurrent(nullptr);
        qunsetenv("PAGEWICK_RECOVERY_QUIET_MS");
    }

    // A shown window on a Windows-1252 file with CR line breaks, typed into.
    std::unique_ptr<THTML> typedInto(const char *quietMs)
    {
        qputenv("PAGEWICK_RECOVERY_QUIET_MS", quietMs);
        writeBytes(file, "<P>caf\xE9\xA0\r</P>");
        auto document = std::make_unique<THTML>();
        document->SetFileName(file);
        document->LoadDocument();
        document->show();
        QTest::keyClicks(document->RichEdit, "new");
        QTest::keyClick(document->RichEdit, Qt::Key_Return);
        return document;
    }

    QTemporaryDir root;
    RecoveryStore store{root.filePath("recovery")};
    const QString file = root.filePath("page.htm");
};

RecoveryRead readCopy(const QString &path)
{
    return decodeRecoveryCopy(readBytes(path));
}

TEST_F(RecoveryWriting, CopyHoldsTheTextAfterTypingStopsAndGoesWhenNotNeeded)
{
    const struct {
        const char *name;
        std::function<void(THTML &)> end;
    } rows[] = {
        {"saved", [](THTML &document) { document.setModified(false); }},
        {"closed with No",
         [](THTML &document) {
             ModalDriver driver;
             driver.answer("&Nein");
             document.close();
             expectDriverFinished(driver);
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<THTML> document = typedInto("20");
        const RecoveryWriter &writer = *document->recoveryWriter();
        EXPECT_EQ(writer.path(), ""); // nothing on a keystroke
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(writer.path()); }, 5000));
        const RecoveryRead read = readCopy(writer.path());
        EXPECT_EQ(read.damage, "");
        EXPECT_EQ(read.copy.text, documentText(*document));
        EXPECT_EQ(read.copy.text, "new\n<P>caf\u00E9\u00A0\n</P>");
        EXPECT_EQ(read.copy.fileName, file);
        EXPECT_EQ(read.copy.format, (FileFormat{TextEncoding::Windows1252, false, LineBreak::CR}));
        EXPECT_EQ(read.copy.disk, fileStamp(file));
        row.end(*document);
        EXPECT_FALSE(QFile::exists(writer.path()));
    }
}

// A session that ends cannot wait for the quiet moment: the copy is written at once.
TEST_F(RecoveryWriting, KeepingWritesTheCopyAtOnce)
{
    const std::unique_ptr<THTML> document = typedInto("60000");
    document->keepRecoveryCopy();
    EXPECT_EQ(readCopy(document->recoveryWriter()->path()).copy.text, documentText(*document));
    document->approveClose();
}

} // namespace
