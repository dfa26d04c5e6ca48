#pragma once

#include "settings/corvane_registry.h"
#include "settings/registry_file.h"

// The per-user registry file. Reads use the file as it is now, parsed again only when its
// identity (inode, size, times) changed; every update is a read-modify-write under a lock
// file that replaces the file atomically, so several running programs never lose each other's
// values. A file that cannot be parsed is moved aside at the first read, with a notice.
class RegistryFileStore : public RegistryStore {
public:
    explicit RegistryFileStore(QString filePath);

    const QString &filePath() const { return m_filePath; }

    std::optional<RegistryValue> read(quint32 root, const QString &key,
                                      const QString &name) override;
    void write(quint32 root, const QString &key, const QString &name,
               const RegistryData &data) override;
    void update(const QList<RegistryWrite> &writes) override;

    // Which file a parsed document came from; equal identities mean unchanged contents.
    struct Identity {
        bool exists = false;
        qint64 size = 0, modified = 0, changed = 0;
        quint64 device = 0, inode = 0;
        bool operator==(const Identity &) const = default;
    };

private:
    // The document of the file as it is now; moves an unparseable file aside.
    const RegFileDocument &current();
    // Parses the file into m_document under the lock; a damaged one is moved aside and the
    // notice set.
    void parseLocked(QString &notice);

    QString m_filePath;
    std::optional<Identity> m_identity; // of m_document; empty when m_document is not the file
    RegFileDocument m_document;
};

// $XDG_CONFIG_HOME/Corvane/Pagewick.reg
QString defaultRegistryFilePath();
