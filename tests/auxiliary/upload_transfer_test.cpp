#include "auxiliary/upload_transfer.h"
#include "ftp_test_server.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the transfer while this thread turns its event loop, as the window does; without a
// password it logs in anonymously. The outcome, and whether the last progress shown was the
// whole total.
std::pair<UploadOutcome, bool> upload(const QString &host, const QString &password,
                                      const QList<UploadFile> &files, bool plainAllowed = true,
                                      bool cancelInSecondFile = false)
{
    UploadTransfer transfer({*parseUploadHost(host, nullptr), password.isEmpty() ? "" : "ann",
                             password, files, plainAllowed});
    bool wholeTotalShown = false;
    QObject::connect(&transfer, &UploadTransfer::progressed,
                     [&](int file, qint64 done, qint64 all) {
                         wholeTotalShown = all == transfer.total();
                         if (cancelInSecondFile && file == 1 && done > 0)
                             transfer.cancel();
                     });
    return {transfer.exec(), wholeTotalShown};
}

class UploadTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FtpTestServer::available())
            GTEST_SKIP() << "/usr/bin/python3 lacks pyftpdlib (tools/test.sh installs it)";
    }

    UploadFile localFile(const QString &remote, qint64 size)
    {
        const QString path = m_local.filePath(QString(remote).replace('/', '_'));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator(size).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
        file.write(bytes);
        m_bytes.insert(remote, bytes);
        return {path, remote};
    }

    QTemporaryDir m_local;
    QMap<QString, QByteArray> m_bytes; // by remote path
};

TEST_F(UploadTransferTest, SendsWholeFilesOrNothingUnderTheRealName)
{
    const QString cert = m_local.filePath("ca.pem");
    qputenv("PAGEWICK_UPLOAD_CA_FILE", cert.toUtf8());
    const QList<UploadFile> files = {localFile("index.htm", 1000),
                                     localFile("img/a b.gif", 1 << 20), localFile("s.css", 300)};
    const char *noTls = "the server offers no TLS";
    const struct {
        QStringList options;
        const char *scheme, *password;
        bool plainAllowed, cancel;
        int sent; // the first files, on the server byte for byte, and nothing else there
        const char *failedFile, *reason;
    } rows[] = {
        {{}, "", "pw", true, false, 3, "", ""},
        {{}, "", "pw", false, false, 0, "index.htm", noTls},
        {{"--tls", cert}, "", "pw", false, false, 3, "", ""},
        {{"--tls", cert}, "ftps://", "pw", false, false, 3, "", ""},
        {{}, "ftps://", "pw", true, false, 0, "index.htm", noTls},
        {{}, "", "Wr0ngSecret", true, false, 0, "index.htm", "refused the login"},
        {{"--anonymous"}, "", "", true, false, 3, "", ""},
        {{"--drop-after", "300000"}, "", "pw", true, false, 1, "img_a b.gif", "lost"},
        {{"--stall-after", "65536"}, "", "pw", true, true, 1, "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.password + row.options.join(" ").toStdString());
        FtpTestServer server(row.options);
        const QString target = row.scheme + server.address() + "/up";
        const UploadOutcome outcome =
            upload(target, row.password, files, row.plainAllowed, row.cancel).first;
        QMap<QString, QByteArray> expected;
        QStringList sent;
        for (const UploadFile &file : files.first(row.sent)) {
            expected.insert("up/" + file.remotePath, m_bytes[file.remotePath]);
            sent.append(file.remotePath);
        }
        EXPECT_TRUE(server.files() == expected) << server.files().keys().join(", ").toStdString();
        EXPECT_EQ(outcome.sent, sent);
        EXPECT_EQ(outcome.cancelled, row.cancel);
        const QString failed = "\"" + m_local.filePath(row.failedFile) + "\" was not sent to ftp";
        EXPECT_TRUE(*row.failedFile
                        ? outcome.error.startsWith(failed) && outcome.error.contains(row.reason)
                        : outcome.error.isEmpty())
            << outcome.error.toStdString();
        EXPECT_TRUE(!*row.password || !outcome.error.contains(row.password));
        // Only plain FTP may ask the user whether to go on without TLS.
        EXPECT_EQ(outcome.noTls, row.reason == noTls && !*row.scheme);
    }
    qunsetenv("PAGEWICK_UPLOAD_CA_FILE");
}

// bench_upload times it and the longest pause of the waiting thread.
TEST_F(UploadTransferTest, BigFileReachesTheWholeTotal)
{
    FtpTestServer server;
    const auto [outcome, wholeTotalShown] =
        upload(server.address(), "pw", {localFile("big.bin", 50 << 20)});
    EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
    EXPECT_TRUE(wholeTotalShown);
    EXPECT_EQ(server.files().value("big.bin").size(), 50 << 20);
}

} // namespace
