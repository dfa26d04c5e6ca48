#include "core/private_files.h"
#include "document/recovery_copy.h"
#include "document/recovery_store.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

unsigned mode(const QString &path)
{
    struct stat status {};
    stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 0777;
}

const QDateTime When = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123, Qt::UTC);

TEST(RecoveryCopy, EveryFieldComesBack)
{
    const RecoveryCopy copies[] = {
        {{}, FileFormat{}, When, {}, "<P>\n\nlast"},
        {"/web/n\u00E4me\nwith break=1%.htm",
         {TextEncoding::Windows1252, false, LineBreak::CR},
         When,
         {1'699'000'000'000, 42},
         "caf\u00E9\u00A0\u2028\r\n\n"},
        {"C:\\web\\x.htm", {TextEncoding::Utf8, true, LineBreak::LF}, When, {}, ""},
    };
    for (const RecoveryCopy &copy : copies) {
        SCOPED_TRACE(copy.fileName.toStdString());
        const RecoveryRead read = decodeRecoveryCopy(encodeRecoveryCopy(copy));
        EXPECT_EQ(read.damage, "");
        EXPECT_TRUE(read.hasText);
        EXPECT_EQ(read.copy, copy);
    }
}

TEST(RecoveryCopy, DamageIsReportedNeverFatal)
{
    const QByteArray whole = encodeRecoveryCopy({"/a.htm", {}, When, {}, "text of the page"});
    const auto replaced = [&](const char *from, const char *to) {
        return QByteArray(whole).replace(from, to);
    };
    const struct {
        QByteArray bytes;
        const char *damage;
        bool hasText;
    } rows[] = {
        {{}, "not a recovery copy, or its header is cut short", false},
        {whole.left(40), "not a recovery copy, or its header is cut short", false},
        {replaced("Pagewick", "Pagewich"), "not a recovery copy, or its header is cut short",
         false},
        {replaced("encoding=utf-8", "encoding=ebcdic"),
         "the header's \"encoding\" is missing or "
         "unreadable",
         false},
        {replaced("bom=0", "bom=2"), "the header's \"bom\" is missing or unreadable", false},
        {replaced("breaks=crlf", "break=crlf"), "the header's \"breaks\" is missing or unreadable",
         false},
        {replaced("written=2023", "written=x023"),
         "the header's \"written\" is missing or "
         "unreadable",
         false},
        {replaced("disk=-1 -1", "disk=-1"), "the header's \"disk\" is missing or unreadable",
         false},
        {replaced("length=16", "length=-3"), "the header's \"length\" is missing or unreadable",
         false},
        {replaced("sha256=", "sha256=0"), "the header's \"sha256\" is missing or unreadable",
         false},
        {whole.chopped(5), "the text holds 11 of 16 bytes", true},
        {replaced("of the", "of thE"), "the text does not match its checksum", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.damage);
        const RecoveryRead read = decodeRecoveryCopy(row.bytes);
        EXPECT_EQ(read.damage, row.damage);
        EXPECT_EQ(read.hasText, row.hasText);
    }
}

// Each store is one instance: its folder is its own and locked; what it leaves when it ends is
// claimed by the next, never while it runs.
TEST(RecoveryStore, InstancesKeepApartAndOnlyLeftCopiesAreClaimed)
{
    QTemporaryDir root;
    const QString folder = root.filePath("state/recovery");
    auto first = std::make_unique<RecoveryStore>(folder);
    RecoveryStore second(folder);
    ASSERT_TRUE(first->isReady());
    ASSERT_TRUE(second.isReady());
    EXPECT_NE(first->folder(), second.folder());
    EXPECT_EQ(mode(folder), 0700);

    const QString path = first->newCopyPath();
    ASSERT_TRUE(writePrivateFile(path, encodeRecoveryCopy({{}, {}, When, {}, "kept"})));
    EXPECT_EQ(mode(path), 0600);
    writeBytes(first->folder() + "/2.copy", "garbage");
    writeBytes(first->folder() + "/1.copy.Ab12Cd", "a cut-off write");
    EXPECT_TRUE(second.claimLeftCopies().isEmpty()); // the first still runs

    first.reset();
    const QList<LeftCopy> left = second.claimLeftCopies();
    ASSERT_EQ(left.size(), 2);
    EXPECT_EQ(left[0].read.copy.text, "kept");
    EXPECT_EQ(left[1].read.hasText, false);
    RecoveryStore third(folder);
    EXPECT_TRUE(third.claimLeftCopies().isEmpty()); // claimed by the second

    const QString adopted = second.adopt(left[0].path);
    EXPECT_EQ(QFileInfo(adopted).path(), second.folder());
    second.releaseClaims();
    const QList<LeftCopy> damaged = third.claimLeftCopies();
    ASSERT_EQ(damaged.size(), 1); // kept until someone discards it
    EXPECT_EQ(QFileInfo(damaged[0].path).fileName(), "2.copy");
}

} // namespace
