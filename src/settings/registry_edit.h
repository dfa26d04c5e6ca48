#pragma once

#include "settings/corvane_registry.h"

#include <QHash>

// What a dialog read and what it writes back. Its reads go on with the default where a value
// is wrongly typed (reported once); its writes go out as one update in which a value the
// dialog writes as it read it does not overwrite what another writer stored since the read.
class RegistryEdit {
public:
    QVariant ReadValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                       const QVariant &Default);
    // Queued until commit(); a variant of a type the registry does not take is dropped.
    void WriteValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                    const QVariant &Value);
    // Writes the queue as one update and empties it.
    void commit();

private:
    struct Read {
        std::optional<RegistryValue> stored;
        QVariant result;
    };
    // By root, key and name; the first read of a value counts.
    QHash<QString, Read> m_reads;
    QList<RegistryWrite> m_writes;
};
