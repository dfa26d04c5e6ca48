#pragma once

#include "settings/corvane_registry.h"

// Passes reads and writes through to the store it wraps, except the kind it is told to fail:
// reads fail as a damaged settings file would, writes as a read-only folder would.
class FailingStore : public RegistryStore {
public:
    enum Failing { Reads, Writes };
    FailingStore(std::shared_ptr<RegistryStore> inner, Failing failing)
        : m_inner(std::move(inner)), m_failing(failing)
    {
    }

    std::optional<RegistryValue> read(quint32 root, const QString &key,
                                      const QString &name) override
    {
        if (m_failing == Reads)
            throw RegistryError(QStringLiteral("Cannot read '%1'").arg(name));
        return m_inner->read(root, key, name);
    }
    void write(quint32 root, const QString &key, const QString &name,
               const RegistryData &data) override
    {
        if (m_failing == Writes)
            throw RegistryError(QStringLiteral("Cannot write '%1'").arg(name));
        m_inner->write(root, key, name, data);
    }

    // Puts a store failing so in front of the current one.
    static void install(Failing failing)
    {
        TCorvaneRegistry::setStore(
            std::make_shared<FailingStore>(TCorvaneRegistry::store(), failing));
    }

private:
    std::shared_ptr<RegistryStore> m_inner;
    Failing m_failing;
};
