#include "auxiliary/upload_transfer.h"

#include "auxiliary/upload_rules.h"
#include "core/quoting.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <curl/curl.h>
#include <functional>
#include <memory>

namespace {

constexpr long ConnectTimeoutS = 30;
// A connection that moves nothing for this long is taken as lost.
constexpr long StalledAfterS = 60;
// Removing a part must not hold up the end of a cancelled transfer for long.
constexpr long CleanupTimeoutS = 5;
constexpr qint64 ProgressEveryMs = 30;
// Progress and timeouts are looked at at least this often.
constexpr int WaitMs = 200;

// A test's throw-away certificate authority; not a setting, no user needs it.
constexpr char CaFileVariable[] = "PAGEWICK_UPLOAD_CA_FILE";

using CommandList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

CommandList commands(const QStringList &lines)
{
    CommandList list(nullptr, &curl_slist_free_all);
    for (const QString &line : lines)
        list.reset(curl_slist_append(list.release(), line.toUtf8().constData()));
    return list;
}

QString plainReason(CURLcode code, const QString &host)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("the host \"%1\" was not found").arg(host);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("the server did not accept a connection");
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("the server refused the login: check the user name and password");
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR:
        return QStringLiteral("the server refused it (no permission?)");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
        return QStringLiteral("the connection was lost");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("the server stopped answering");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("the server's certificate could not be verified");
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("the server offers no TLS");
    case CURLE_READ_ERROR:
        return QStringLiteral("the local file could not be read");
    default:
        return QString::fromUtf8(curl_easy_strerror(code));
    }
}

} // namespace

// One connection to the server, kept open from request to request. The user name and password
// go to curl as options only, never into a URL or a message.
class UploadTransfer::Session {
public:
    Session(const UploadRequest &request, const std::atomic_bool &cancel, CURLM *multi)
        : m_curl(curl_easy_init()), m_multi(multi), m_request(request), m_cancel(cancel)
    {
    }
    ~Session() { curl_easy_cleanup(m_curl); }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    CURLcode store(const QString &remote, QFile &file, const std::function<void(qint64)> &sent)
    {
        prepare(remote);
        m_sent = sent;
        curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &readFile);
        curl_easy_setopt(m_curl, CURLOPT_READDATA, &file);
        curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
        curl_easy_setopt(m_curl, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        const CURLcode code = perform();
        m_sent = nullptr;
        curl_easy_getinfo(m_curl, CURLINFO_SIZE_UPLOAD_T, &m_stored);
        return code;
    }

    CURLcode sizeOnServer(const QString &remote, qint64 *size)
    {
        prepare(remote);
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        const CURLcode code = perform();
        curl_off_t length = -1;
        curl_easy_getinfo(m_curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        // An SSH server may not tell: then what it acknowledged while the file was written.
        *size = length < 0 ? m_stored : length;
        return code;
    }

    CURLcode rename(const QString &part, const QString &remote)
    {
        if (m_request.target.scheme == UploadScheme::Sftp)
            return afterwards(part, {QStringLiteral("*rm ") + backslashQuoted(sftpPath(remote)),
                                     QStringLiteral("rename %1 %2")
                                         .arg(backslashQuoted(sftpPath(part)),
                                              backslashQuoted(sftpPath(remote)))});
        // Sent in the file's folder, so bare names.
        return afterwards(part, {QStringLiteral("RNFR ") + fileName(part),
                                 QStringLiteral("RNTO ") + fileName(remote)});
    }

    void removeQuietly(const QString &part)
    {
        m_cleaning = true;
        afterwards(part, {m_request.target.scheme == UploadScheme::Sftp
                              ? QStringLiteral("rm ") + backslashQuoted(sftpPath(part))
                              : QStringLiteral("DELE ") + fileName(part)});
        m_cleaning = false;
    }

    QString reason(CURLcode code) const
    {
        QStringList details;
        if (m_error[0])
            details.append(QString::fromUtf8(m_error));
        if (m_reply.startsWith('4') || m_reply.startsWith('5'))
            details.append(
                QStringLiteral("the server said \"%1\"").arg(QString::fromUtf8(m_reply)));
        const QString what = plainReason(code, m_request.target.host);
        return details.isEmpty() ? what
                                 : what + QStringLiteral(" (") + details.join(QLatin1String("; ")) +
                                       QLatin1Char(')');
    }

private:
    void prepare(const QString &remote)
    {
        curl_easy_reset(m_curl);
        m_error[0] = 0;
        m_reply.clear();
        const UploadTarget &target = m_request.target;
        curl_easy_setopt(m_curl, CURLOPT_URL, target.url(remote).toUtf8().constData());
        // Without a user name curl logs in as "anonymous", as public servers expect.
        if (!m_request.user.isEmpty()) {
            curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_request.user.toUtf8().constData());
            curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_request.password.toUtf8().constData());
        }
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, ConnectTimeoutS);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, StalledAfterS);
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &ignore);
        curl_easy_setopt(m_curl, CURLOPT_HEADERFUNCTION, &onReply);
        curl_easy_setopt(m_curl, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &onProgress);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, m_cleaning ? 1L : 0L);
        if (m_cleaning)
            curl_easy_setopt(m_curl, CURLOPT_TIMEOUT, CleanupTimeoutS);
        if (target.scheme == UploadScheme::Sftp) {
            // Only servers the user's SSH already knows.
            curl_easy_setopt(
                m_curl, CURLOPT_SSH_KNOWNHOSTS,
                QDir::home().filePath(QStringLiteral(".ssh/known_hosts")).toUtf8().constData());
        } else {
            const bool tlsOnly = target.scheme == UploadScheme::Ftps || !m_request.plainAllowed;
            curl_easy_setopt(m_curl, CURLOPT_USE_SSL,
                             tlsOnly ? long(CURLUSESSL_ALL) : long(CURLUSESSL_TRY));
            // A TLS 1.3 server may send session tickets on the data connection, which an upload
            // never reads; closing it then resets the connection and the server loses the
            // file's tail while confirming it. TLS 1.2 sends nothing after the handshake.
            curl_easy_setopt(m_curl, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_MAX_TLSv1_2));
        }
        if (const QByteArray ca = qgetenv(CaFileVariable); !ca.isEmpty())
            curl_easy_setopt(m_curl, CURLOPT_CAINFO, ca.constData());
    }

    // A request on the part that only runs server commands once in its folder.
    CURLcode afterwards(const QString &part, const QStringList &lines)
    {
        prepare(part);
        const CommandList list = commands(lines);
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, list.get());
        return perform();
    }

    // Runs the request until it ends or the user cancels; the connection stays for the next.
    CURLcode perform()
    {
        curl_multi_add_handle(m_multi, m_curl);
        int running = 1;
        while (running && (m_cleaning || !m_cancel) &&
               curl_multi_perform(m_multi, &running) == CURLM_OK && running)
            curl_multi_poll(m_multi, nullptr, 0, WaitMs, nullptr);
        CURLcode code = CURLE_ABORTED_BY_CALLBACK;
        int left = 0;
        while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
            if (message->msg == CURLMSG_DONE)
                code = message->data.result;
        }
        curl_multi_remove_handle(m_multi, m_curl);
        return code;
    }

    QString sftpPath(const QString &remote) const { return m_request.target.sftpPath(remote); }
    static QString fileName(const QString &remote)
    {
        return remote.mid(remote.lastIndexOf(QLatin1Char('/')) + 1);
    }

    static size_t readFile(char *buffer, size_t size, size_t count, void *file)
    {
        const qint64 read = static_cast<QFile *>(file)->read(buffer, qint64(size * count));
        return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
    }

    // What a request without a body still reports (the size) is read through getinfo.
    static size_t ignore(char *, size_t size, size_t count, void *) { return size * count; }

    // Every FTP reply line comes here; the last one of a reply is kept for messages.
    static size_t onReply(char *data, size_t size, size_t count, void *self)
    {
        auto &session = *static_cast<Session *>(self);
        const QByteArray line = QByteArray(data, qsizetype(size * count)).trimmed();
        if (endsFtpReply(line))
            session.m_reply = line;
        return size * count;
    }

    static int onProgress(void *self, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent)
    {
        auto &session = *static_cast<Session *>(self);
        if (session.m_cancel)
            return 1;
        if (session.m_sent)
            session.m_sent(sent);
        return 0;
    }

    CURL *m_curl;
    CURLM *m_multi;
    const UploadRequest &m_request;
    const std::atomic_bool &m_cancel;
    std::function<void(qint64)> m_sent;
    char m_error[CURL_ERROR_SIZE] = {};
    QByteArray m_reply; // the server's last final reply line of this request
    curl_off_t m_stored = -1;
    bool m_cleaning = false;
};

UploadTransfer::UploadTransfer(UploadRequest request, QObject *parent)
    : QObject(parent), m_request(std::move(request)), m_multi(nullptr)
{
    // Before any thread uses curl.
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    Q_UNUSED(initialised);
    m_multi = curl_multi_init();
    for (const UploadFile &file : m_request.files) {
        m_sizes.append(QFileInfo(file.localPath).size());
        m_total += m_sizes.last();
    }
}

UploadTransfer::~UploadTransfer()
{
    cancel();
    if (m_worker.joinable())
        m_worker.join();
    curl_multi_cleanup(m_multi);
}

void UploadTransfer::cancel()
{
    m_cancel = true;
    curl_multi_wakeup(m_multi);
}

const UploadOutcome &UploadTransfer::exec()
{
    QEventLoop loop;
    // Queued from the worker: it arrives once the loop below runs, however soon it is sent.
    connect(this, &UploadTransfer::finished, &loop, &QEventLoop::quit);
    m_worker = std::thread([this] { run(); });
    loop.exec();
    return m_outcome;
}

void UploadTransfer::run()
{
    Session session(m_request, m_cancel, m_multi);
    qint64 before = 0;
    for (int file = 0; file < m_request.files.size(); ++file) {
        const Result result = send(session, file, before);
        if (result == Result::Sent)
            m_outcome.sent.append(m_request.files[file].remotePath);
        else {
            m_outcome.cancelled = result == Result::Cancelled;
            break;
        }
        before += m_sizes[file];
    }
    emit finished();
}

UploadTransfer::Result UploadTransfer::send(Session &session, int index, qint64 before)
{
    const UploadFile &file = m_request.files[index];
    const auto failed = [&](const QString &reason) {
        m_outcome.error =
            QStringLiteral("\"%1\" was not sent to %2: %3.")
                .arg(QDir::toNativeSeparators(file.localPath), m_request.target.display(), reason);
        return Result::Failed;
    };
    if (m_cancel)
        return Result::Cancelled;
    QFile local(file.localPath);
    if (!local.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("it cannot be read (%1)").arg(local.errorString()));
    const qint64 size = local.size();
    QElapsedTimer shown;
    const auto sent = [&](qint64 done) {
        // The first bytes at once, then at a pace the window can follow.
        if (done > 0 && (!shown.isValid() || shown.elapsed() >= ProgressEveryMs)) {
            shown.start();
            emit progressed(index, done, before + done);
        }
    };
    const QString part = partPath(file.remotePath);
    CURLcode code = session.store(part, local, sent);
    qint64 onServer = -1;
    if (code == CURLE_OK)
        code = session.sizeOnServer(part, &onServer);
    const bool whole = onServer == size;
    if (code == CURLE_OK && whole)
        code = session.rename(part, file.remotePath);
    if (code == CURLE_OK && whole) {
        emit progressed(index, size, before + size);
        return Result::Sent;
    }
    const QString reason =
        code == CURLE_OK
            ? QStringLiteral("the server holds %1 bytes of its %2").arg(onServer).arg(size)
            : session.reason(code);
    if (code == CURLE_USE_SSL_FAILED) {
        // Left before the login: there is no part to remove.
        m_outcome.noTls = m_request.target.scheme == UploadScheme::Ftp;
        return failed(reason);
    }
    session.removeQuietly(part);
    if (code == CURLE_ABORTED_BY_CALLBACK || m_cancel)
        return Result::Cancelled;
    return failed(reason);
}
