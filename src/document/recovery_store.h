#pragma once

#include "document/recovery_copy.h"

#include <QList>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

// The recovery folder: each running instance keeps its copies in a folder of its own, named
// after it and guarded by its lock file beside it. The copies of an instance whose lock is held
// belong to that instance; the copies of one that died are left for the next start.

// $XDG_STATE_HOME/Corvane/Pagewick/recovery (~/.local/state/... by default); on Windows the
// local application-data folder.
QString defaultRecoveryFolder();

// A copy an earlier instance left behind, as read.
struct LeftCopy {
    QString path;
    QDateTime fileTime; // of the copy file, for copies whose header cannot be read
    RecoveryRead read;
};

class RecoveryStore {
public:
    // Takes an instance folder of its own under root (folders 0700); not ready when the folder
    // cannot be made or locked, and then nothing is written.
    explicit RecoveryStore(const QString &root);
    // Leaves the copies still in the folder for the next start; an empty folder goes.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // The store the program's document windows write to; none in most tests.
    static RecoveryStore *current();
    static void setCurrent(RecoveryStore *store);

    bool isReady() const { return m_lock != nullptr; }
    QString folder() const { return m_folder; }
    // A path for a new copy in this instance's folder.
    QString newCopyPath();

    // Locks every instance that is no longer running and returns its copies, damaged ones
    // included; they stay locked, so no other instance offers them too, until release.
    QList<LeftCopy> claimLeftCopies();
    void releaseClaims();
    // Moves a claimed copy into this instance's folder; returns its new path, or the old one
    // when it cannot be moved.
    QString adopt(const QString &path);

private:
    QString m_root;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::vector<std::unique_ptr<QLockFile>> m_claims;
    QStringList m_claimedFolders;
    int m_next = 0;
};
