#pragma once

#include "auxiliary/upload_target.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <thread>

struct UploadFile {
    QString localPath;
    QString remotePath; // below the target's folder, '/' between sub-folders
};

struct UploadRequest {
    UploadTarget target;
    QString user;
    QString password;
    QList<UploadFile> files;
    // Whether plain FTP may carry the login when the server offers no TLS. Without this such a
    // server is left before the user name and password are sent.
    bool plainAllowed = false;
};

struct UploadOutcome {
    QStringList sent; // remote paths of the files that arrived, in order
    QString error;    // names the file and the reason; empty when all arrived or on cancel
    bool cancelled = false;
    bool noTls = false; // the server offers no TLS and plain FTP was not allowed: nothing sent
};

// Sends files off the GUI thread. Each file is written under its part name, its size on the
// server checked against the local file, then renamed: the server never holds half a file under
// the real name. A failed or cancelled file's part is removed (best effort). Signals are queued
// to the thread that owns the transfer.
class UploadTransfer : public QObject {
    Q_OBJECT

public:
    explicit UploadTransfer(UploadRequest request, QObject *parent = nullptr);
    // Cancels and waits for the worker.
    ~UploadTransfer() override;

    // Sends the files and returns once all are through, turning this thread's event loop
    // meanwhile: queued progress arrives and the windows stay responsive.
    const UploadOutcome &exec();
    // Safe from any thread: the transfer stops at its next step.
    void cancel();
    int count() const { return int(m_request.files.size()); }
    QString localPath(int file) const { return m_request.files.value(file).localPath; }
    qint64 total() const { return m_total; }
    qint64 size(int file) const { return m_sizes.value(file); }

signals:
    void progressed(int file, qint64 fileDone, qint64 totalDone);
    // The worker is through; exec() waits for it.
    void finished();

private:
    enum class Result { Sent, Failed, Cancelled };
    class Session;

    void run();
    Result send(Session &session, int file, qint64 before);

    const UploadRequest m_request;
    QList<qint64> m_sizes;
    qint64 m_total = 0;
    UploadOutcome m_outcome;
    std::atomic_bool m_cancel{false};
    // curl's multi handle: its wait wakes up at once when cancel() says so.
    void *m_multi;
    std::thread m_worker;
};
