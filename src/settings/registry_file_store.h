#pragma once

#include "settings/corvane_registry.h"

// The per-user registry file. Reads parse the file as it is now; every write is a
// read-modify-write under a lock file that replaces the file atomically, so several
// running programs never lose each other's values.
class RegistryFileStore : public RegistryStore {
public:
    explicit RegistryFileStore(QString filePath);

    const QString &filePath() const { return m_filePath; }

    std::optional<RegistryValue> read(quint32 root, const QString &key,
                                      const QString &name) override;
    void write(quint32 root, const QString &key, const QString &name,
               const RegistryData &data) override;

private:
    QString m_filePath;
};

// $XDG_CONFIG_HOME/Corvane/Pagewick.reg
QString defaultRegistryFilePath();
