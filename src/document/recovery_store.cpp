#include "document/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

RecoveryStore *currentStore = nullptr;

const QString Suffix = QStringLiteral(".copy");
const QString LockSuffix = QStringLiteral(".lock");

bool makePrivateFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::unique_ptr<QLockFile> lockOf(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(folder + LockSuffix);
    // A living instance's lock never goes stale with age; only a dead owner frees it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

void removeIfEmpty(const QString &folder)
{
    QDir().rmdir(folder); // fails, as it should, while copies are left
}

} // namespace

QString defaultRecoveryFolder()
{
#ifdef Q_OS_WIN
    const QString state = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
#endif
    return state + QStringLiteral("/Corvane/Pagewick/recovery");
}

RecoveryStore::RecoveryStore(const QString &root) : m_root(root)
{
    if (!makePrivateFolder(root))
        return;
    const QString name = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    m_folder = root + QLatin1Char('/') + name;
    m_lock = lockOf(m_folder);
    if (m_lock && !makePrivateFolder(m_folder))
        m_lock.reset();
}

RecoveryStore::~RecoveryStore()
{
    if (currentStore == this)
        currentStore = nullptr;
    releaseClaims();
    if (m_lock)
        removeIfEmpty(m_folder);
}

RecoveryStore *RecoveryStore::current()
{
    return currentStore;
}

void RecoveryStore::setCurrent(RecoveryStore *store)
{
    currentStore = store;
}

QString RecoveryStore::newCopyPath()
{
    return m_folder + QStringLiteral("/%1").arg(++m_next) + Suffix;
}

QList<LeftCopy> RecoveryStore::claimLeftCopies()
{
    QList<LeftCopy> copies;
    const QDir root(m_root);
    for (const QFileInfo &instance : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = instance.absoluteFilePath();
        if (folder == QFileInfo(m_folder).absoluteFilePath() || m_claimedFolders.contains(folder))
            continue;
        std::unique_ptr<QLockFile> lock = lockOf(folder);
        if (!lock)
            continue; // its instance still runs
        m_claims.push_back(std::move(lock));
        m_claimedFolders.append(folder);
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
            if (!file.fileName().endsWith(Suffix)) {
                // The temporary file of a write that was cut off; the copy it was to replace
                // is still whole beside it.
                QFile::remove(file.absoluteFilePath());
                continue;
            }
            QFile copy(file.absoluteFilePath());
            LeftCopy left{file.absoluteFilePath(), file.lastModified(), {}};
            if (copy.open(QIODevice::ReadOnly))
                left.read = decodeRecoveryCopy(copy.readAll());
            else
                left.read.damage = copy.errorString();
            copies.append(left);
        }
    }
    return copies;
}

void RecoveryStore::releaseClaims()
{
    for (const QString &folder : std::as_const(m_claimedFolders))
        removeIfEmpty(folder);
    m_claims.clear();
    m_claimedFolders.clear();
}

QString RecoveryStore::adopt(const QString &path)
{
    const QString target = newCopyPath();
    return QFile::rename(path, target) ? target : path;
}
