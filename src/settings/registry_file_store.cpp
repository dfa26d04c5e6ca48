#include "settings/registry_file_store.h"

#include "core/private_files.h"
#include "settings/registry_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <sys/stat.h>

namespace {

constexpr int kStaleLockMs = 10000;
// Longer than the stale time, so a lock left by a hung program is broken rather than
// failing the write.
constexpr int kLockWaitMs = 12000;
constexpr QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerFolder = kOwnerFile | QFileDevice::ExeOwner;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Another program may create the folder at the same moment; that is fine too.
void ensureFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return;
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (!QDir().mkdir(folder, kOwnerFolder) && !QFileInfo(folder).isDir())
        throw RegistryError(
            QStringLiteral("the folder %1 cannot be created").arg(nativePath(folder)));
}

// QLockFile says only that it failed; creating the file ourselves gives the system's reason.
QString lockFailure(const QLockFile &lock)
{
    if (lock.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, program;
        lock.getLockInfo(&pid, &host, &program);
        return QStringLiteral("process %1 on %2 holds it").arg(pid).arg(host);
    }
    QFile probe(lock.fileName());
    if (probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        probe.remove();
        return QStringLiteral("unknown error");
    }
    return probe.errorString();
}

// Polls with a short interval: QLockFile's own wait backs off to seconds.
void acquire(QLockFile &lock)
{
    lock.setStaleLockTime(kStaleLockMs);
    const QDeadlineTimer deadline(kLockWaitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            throw RegistryError(QStringLiteral("the lock file %1 cannot be taken: %2")
                                    .arg(nativePath(lock.fileName()), lockFailure(lock)));
        QThread::msleep(10);
    }
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw RegistryError(
            QStringLiteral("%1 cannot be read: %2").arg(nativePath(path), file.errorString()));
    return file.readAll();
}

QString moveAside(const QString &path)
{
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString target = base;
    for (int n = 1; !QFile::rename(path, target); ++n) {
        if (!QFile::exists(target))
            throw RegistryError(
                QStringLiteral("the damaged file %1 cannot be moved aside").arg(nativePath(path)));
        target = base + QLatin1Char('-') + QString::number(n);
    }
    return target;
}

// Always private: the file holds the FTP password, whatever mode it was given.
void save(const QString &path, const QByteArray &bytes)
{
    QString error;
    if (!writePrivateFile(path, bytes, &error))
        throw RegistryError(
            QStringLiteral("%1 cannot be written: %2").arg(nativePath(path), error));
}

QString fullKeyPath(quint32 root, const QString &key)
{
    return key.isEmpty() ? rootKeyName(root) : rootKeyName(root) + QLatin1Char('\\') + key;
}

RegistryFileStore::Identity identityOf(const QString &path)
{
    RegistryFileStore::Identity identity;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return identity;
    identity.exists = true;
    identity.size = info.st_size;
    identity.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.changed = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    return identity;
}

void checkStorable(const RegistryWrite &value)
{
    if (!isStorableRegistryName(value.key) || !isStorableRegistryName(value.name))
        throw RegistryError(QStringLiteral("the key or value name holds a line break or "
                                           "control character"));
}

} // namespace

RegistryFileStore::RegistryFileStore(QString filePath) : m_filePath(std::move(filePath)) {}

void RegistryFileStore::parseLocked(QString &notice)
{
    m_identity.reset();
    const Identity before = identityOf(m_filePath);
    RegFileParseResult parsed = parseRegistryFile(readAll(m_filePath));
    m_document = std::move(parsed.document);
    if (parsed.ok()) {
        m_identity = before;
        return;
    }
    const QString keptAs = moveAside(m_filePath);
    m_identity = identityOf(m_filePath);
    notice = QStringLiteral("The settings file %1 could not be read (line %2: %3). The damaged "
                            "file was kept as %4; Pagewick goes on with default settings.")
                 .arg(nativePath(m_filePath))
                 .arg(parsed.errorLine)
                 .arg(parsed.error, nativePath(keptAs));
}

const RegFileDocument &RegistryFileStore::current()
{
    const Identity now = identityOf(m_filePath);
    if (m_identity == now)
        return m_document;
    RegFileParseResult parsed = parseRegistryFile(readAll(m_filePath));
    m_document = std::move(parsed.document);
    m_identity = now;
    if (parsed.ok())
        return m_document;
    // Moved aside under the lock, so a file another program is writing is never the one moved.
    QString notice;
    try {
        ensureFolder(QFileInfo(m_filePath).absolutePath());
        QLockFile lock(m_filePath + QStringLiteral(".lock"));
        acquire(lock);
        parseLocked(notice);
    } catch (const RegistryError &error) {
        // Reported once: the damaged file stands for no settings until it changes.
        notice = QStringLiteral("The settings file %1 could not be read (line %2: %3) and %4. "
                                "Pagewick goes on with default settings.")
                     .arg(nativePath(m_filePath))
                     .arg(parsed.errorLine)
                     .arg(parsed.error, error.message());
        m_document = {};
        m_identity = now;
    }
    if (!notice.isEmpty())
        TCorvaneRegistry::notify(notice);
    return m_document;
}

std::optional<RegistryValue> RegistryFileStore::read(quint32 root, const QString &key,
                                                     const QString &name)
{
    if (const RegistryValue *value = current().find(fullKeyPath(root, key), name))
        return *value;
    return std::nullopt;
}

void RegistryFileStore::write(quint32 root, const QString &key, const QString &name,
                              const RegistryData &data)
{
    update({RegistryWrite{root, key, name, data, {}}});
}

void RegistryFileStore::update(const QList<RegistryWrite> &writes)
{
    for (const RegistryWrite &value : writes)
        checkStorable(value);
    ensureFolder(QFileInfo(m_filePath).absolutePath());
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    acquire(lock);
    QString notice;
    if (m_identity != identityOf(m_filePath))
        parseLocked(notice);
    // Until the new file is in place the document is not the file's.
    m_identity.reset();
    for (const RegistryWrite &value : writes) {
        const QString path = fullKeyPath(value.root, value.key);
        if (value.expected) {
            const RegistryValue *now = m_document.find(path, value.name);
            if (now ? *value.expected != *now : value.expected->has_value())
                continue;
        }
        m_document.set(path, value.name, value.data);
    }
    save(m_filePath, serializeRegistryFile(m_document));
    m_identity = identityOf(m_filePath);
    lock.unlock();
    if (!notice.isEmpty())
        TCorvaneRegistry::notify(notice);
}

QString defaultRegistryFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvane/Pagewick.reg");
}
