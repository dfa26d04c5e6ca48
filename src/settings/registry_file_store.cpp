#include "settings/registry_file_store.h"

#include "settings/registry_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

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

// Polls with a short interval: QLockFile's own wait backs off to seconds.
void acquire(QLockFile &lock)
{
    lock.setStaleLockTime(kStaleLockMs);
    const QDeadlineTimer deadline(kLockWaitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            throw RegistryError(QStringLiteral("the lock file %1 cannot be taken")
                                    .arg(nativePath(lock.fileName())));
        QThread::msleep(10);
    }
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw RegistryError(QStringLiteral("%1 cannot be read: %2")
                                .arg(nativePath(path), file.errorString()));
    return file.readAll();
}

QString moveAside(const QString &path)
{
    const QString base =
        path + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString target = base;
    for (int n = 1; !QFile::rename(path, target); ++n) {
        if (!QFile::exists(target))
            throw RegistryError(QStringLiteral("the damaged file %1 cannot be moved aside")
                                    .arg(nativePath(path)));
        target = base + QLatin1Char('-') + QString::number(n);
    }
    return target;
}

void save(const QString &path, const QByteArray &bytes)
{
    const QFileDevice::Permissions permissions =
        QFile::exists(path) ? QFile::permissions(path) : kOwnerFile;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(permissions) ||
        file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw RegistryError(QStringLiteral("%1 cannot be written: %2")
                                .arg(nativePath(path), file.errorString()));
}

QString fullKeyPath(quint32 root, const QString &key)
{
    return key.isEmpty() ? rootKeyName(root) : rootKeyName(root) + QLatin1Char('\\') + key;
}

} // namespace

RegistryFileStore::RegistryFileStore(QString filePath) : m_filePath(std::move(filePath)) {}

std::optional<RegistryValue> RegistryFileStore::read(quint32 root, const QString &key,
                                                     const QString &name)
{
    const RegFileParseResult parsed = parseRegistryFile(readAll(m_filePath));
    if (!parsed.ok())
        throw RegistryError(QStringLiteral("The settings file %1 cannot be read: line %2: %3")
                                .arg(nativePath(m_filePath))
                                .arg(parsed.errorLine)
                                .arg(parsed.error));
    if (const RegistryValue *value = parsed.document.find(fullKeyPath(root, key), name))
        return *value;
    return std::nullopt;
}

void RegistryFileStore::write(quint32 root, const QString &key, const QString &name,
                              const RegistryData &data)
{
    if (!isStorableRegistryName(key) || !isStorableRegistryName(name))
        throw RegistryError(QStringLiteral("the key or value name holds a line break or "
                                           "control character"));
    ensureFolder(QFileInfo(m_filePath).absolutePath());
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    acquire(lock);
    RegFileParseResult parsed = parseRegistryFile(readAll(m_filePath));
    QString notice;
    if (!parsed.ok()) {
        const QString keptAs = moveAside(m_filePath);
        notice = QStringLiteral("The settings file %1 could not be read (line %2: %3). The "
                                "damaged file was kept as %4 and a new one was written.")
                     .arg(nativePath(m_filePath))
                     .arg(parsed.errorLine)
                     .arg(parsed.error, nativePath(keptAs));
    }
    parsed.document.set(fullKeyPath(root, key), name, data);
    save(m_filePath, serializeRegistryFile(parsed.document));
    lock.unlock();
    if (!notice.isEmpty())
        TCorvaneRegistry::notify(notice);
}

QString defaultRegistryFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvane/Pagewick.reg");
}
