#include "settings/registry_edit.h"

#include <utility>

QVariant RegistryEdit::ReadValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                                 const QVariant &Default)
{
    Read read;
    read.result =
        TCorvaneRegistry::ReadValueOrDefault(RootKey, Key, ValueName, Default, &read.stored);
    const QString id = registryValueId(RootKey, Key, ValueName);
    if (!m_reads.contains(id))
        m_reads.insert(id, read);
    return read.result;
}

void RegistryEdit::WriteValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                              const QVariant &Value)
{
    const std::optional<RegistryData> data = registryDataFor(Value);
    if (!data)
        return;
    RegistryWrite write{RootKey, Key, ValueName, *data, {}};
    const auto read = m_reads.constFind(registryValueId(RootKey, Key, ValueName));
    if (read != m_reads.cend() && read->result == Value)
        write.expected = read->stored;
    m_writes.append(write);
}

void RegistryEdit::commit()
{
    const QList<RegistryWrite> writes = std::exchange(m_writes, {});
    TCorvaneRegistry::WriteValues(writes);
}
