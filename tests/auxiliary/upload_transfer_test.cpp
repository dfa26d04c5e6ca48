#include "auxiliary/upload_transfer.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Python = "/usr/bin/python3";

// The test server in a temporary folder, on a free loopback port; ended with the test.
class FtpServer {
public:
    explicit FtpServer(const QStringList &options)
    {
        m_process.start(Python, QStringList{PAGEWICK_FTP_SERVER, m_root.path()} + options);
        if (m_process.waitForReadyRead(10000))
            m_port = m_process.readLine().trimmed().toInt();
    }
    ~FtpServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished();
    }

    QString address() const { return "127.0.0.1:" + QString::number(m_port); }
    // Every file the server holds, with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> files;
        for (QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            files.insert(it.filePath().mid(m_root.path().size() + 1), file.readAll());
        }
        return files;
    }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};

struct Sent {
    UploadOutcome outcome;
    qint64 shownTotal = 0;
    qint64 total = 0;
    qint64 longestGapMs = 0; // between two beats of a 5 ms timer on this thread
};

Sent upload(const QString &host, const QString &password, const QList<UploadFile> &files,
            bool cancelOnProgress = false)
{
    UploadTransfer transfer({*parseUploadHost(host, nullptr), "ann", password, files});
    Sent run;
    run.total = transfer.total();
    QEventLoop loop;
    QObject::connect(&transfer, &UploadTransfer::progressed, [&](int, qint64 done, qint64 total) {
        run.shownTotal = total;
        if (cancelOnProgress && done > 0)
            transfer.cancel();
    });
    QObject::connect(&transfer, &UploadTransfer::finished, &loop, &QEventLoop::quit);
    QElapsedTimer beat;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout,
                     [&] { run.longestGapMs = std::max(run.longestGapMs, beat.restart()); });
    QTimer::singleShot(20000, &loop, [&] {
        ADD_FAILURE() << "the transfer hangs";
        loop.quit();
    });
    beat.start();
    timer.start();
    transfer.start();
    loop.exec();
    run.outcome = transfer.outcome();
    return run;
}

class UploadTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QProcess::execute(Python, {"-c", "import pyftpdlib"}) != 0)
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
        return {path, remote};
    }

    QTemporaryDir m_local;
};

TEST_F(UploadTransferTest, SendsWholeFilesOrNothingUnderTheRealName)
{
    const QString cert = m_local.filePath("ca.pem");
    qputenv("PAGEWICK_UPLOAD_CA_FILE", cert.toUtf8());
    const QList<UploadFile> files = {localFile("index.htm", 1000),
                                     localFile("img/a b.gif", 1 << 20), localFile("s.css", 300)};
    const struct {
        const char *name;
        QStringList options;
        const char *scheme;
        const char *password;
        bool cancel;
        int sent; // the first files, present on the server byte for byte, nothing else there
        QStringList messageHas;
        bool unencrypted;
    } rows[] = {
        {"plain", {}, "", "pw", false, 3, {}, true},
        {"explicit TLS", {"--tls", cert}, "ftps://", "pw", false, 3, {}, false},
        {"wrong password",
         {},
         "",
         "Wr0ngSecret",
         false,
         0,
         {"index.htm\" was not sent to ftp://127.0.0.1:", "refused the login", "530"},
         true},
        {"connection lost",
         {"--drop-after", "300000"},
         "",
         "pw",
         false,
         1,
         {"a b.gif\" was not sent", "the connection was lost"},
         true},
        {"cancel", {"--stall-after", "65536"}, "", "pw", true, 1, {}, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FtpServer server(row.options);
        const Sent run =
            upload(row.scheme + server.address() + "/up", row.password, files, row.cancel);
        const UploadOutcome &outcome = run.outcome;
        QMap<QString, QByteArray> expected;
        QStringList sent;
        for (const UploadFile &file : files.first(row.sent)) {
            QFile local(file.localPath);
            local.open(QIODevice::ReadOnly);
            expected.insert("up/" + file.remotePath, local.readAll());
            sent.append(file.remotePath);
        }
        EXPECT_EQ(server.files().keys().join(", ").toStdString(),
                  expected.keys().join(", ").toStdString());
        EXPECT_TRUE(server.files() == expected);
        EXPECT_EQ(outcome.sent.join(", ").toStdString(), sent.join(", ").toStdString());
        EXPECT_EQ(outcome.cancelled, row.cancel);
        EXPECT_EQ(outcome.error.isEmpty(), row.messageHas.isEmpty()) << outcome.error.toStdString();
        for (const QString &part : row.messageHas)
            EXPECT_TRUE(outcome.error.contains(part)) << outcome.error.toStdString();
        EXPECT_FALSE(outcome.error.contains(row.password));
        EXPECT_EQ(outcome.unencrypted, row.unencrypted);
    }
    qunsetenv("PAGEWICK_UPLOAD_CA_FILE");
}

// The figure goes to the test log; timing is asserted by no test.
TEST_F(UploadTransferTest, BigFileReachesTheWholeTotalWithTheCallerResponsive)
{
    FtpServer server({});
    const Sent run = upload(server.address(), "pw", {localFile("big.bin", 50 << 20)});
    EXPECT_TRUE(run.outcome.error.isEmpty()) << run.outcome.error.toStdString();
    EXPECT_EQ(run.shownTotal, run.total);
    EXPECT_EQ(server.files().value("big.bin").size(), 50 << 20);
    std::cout << "longest pause of the calling thread: " << run.longestGapMs << " ms\n";
}

} // namespace
