// Times an upload of a 50 MB file to a loopback FTP server (the tests' pyftpdlib server) and the
// longest pause of the calling thread meanwhile, which turns its event loop as the GUI thread
// does while the progress window is open.
#include "auxiliary/ftp_test_server.h" // of tests/
#include "auxiliary/upload_transfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

constexpr qint64 Size = 50 << 20;
constexpr double TargetPauseMs = 100;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!FtpTestServer::available()) {
        std::printf("skipped: /usr/bin/python3 lacks pyftpdlib\n");
        return 0;
    }
    QTemporaryDir local;
    QFile file(local.filePath(QStringLiteral("big.bin")));
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(Size, 'x'));
    file.close();
    FtpTestServer server;
    UploadTransfer transfer({*parseUploadHost(server.address(), nullptr),
                             QStringLiteral("ann"),
                             QStringLiteral("pw"),
                             {{file.fileName(), QStringLiteral("big.bin")}},
                             true});
    qint64 longestPauseMs = 0;
    QElapsedTimer beat, wall;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout,
                     [&] { longestPauseMs = std::max(longestPauseMs, beat.restart()); });
    beat.start();
    wall.start();
    timer.start(5);
    const UploadOutcome &outcome = transfer.exec();
    const double seconds = wall.nsecsElapsed() / 1e9;
    // Complete means the server holds the whole file under its name, not just no error.
    const bool complete =
        outcome.error.isEmpty() && server.files().value(QStringLiteral("big.bin")).size() == Size;
    std::printf("upload of 50 MB to a loopback FTP server: %.2f s (%.0f MB/s), %s\n", seconds,
                50 / seconds, complete ? "complete" : "FAILED");
    std::printf("  longest pause of the calling thread: %lld ms (target <= %.0f)\n",
                static_cast<long long>(longestPauseMs), TargetPauseMs);
    return complete ? 0 : 1;
}
