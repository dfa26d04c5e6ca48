#pragma once

#include "settings/corvane_registry.h"

// Reads pass through to the store it wraps; every write fails as a read-only folder would.
class FailingWritesStore : public RegistryStore {
public:
    explicit FailingWritesStore(std::shared_ptr<RegistryStore> inner) : m_inner(std::move(inner)) {}

    std::optional<RegistryValue> read(quint32 root, const QString &key,
                                      const QString &name) override
    {
        return m_inner->read(root, key, name);
    }
    void write(quint32, const QString &, const QString &name, const RegistryData &) override
    {
        throw RegistryError(QStringLiteral("Cannot write '%1'").arg(name));
    }

private:
    std::shared_ptr<RegistryStore> m_inner;
};

// Every read fails as a damaged settings file would; writes pass through to the store it wraps.
class FailingReadsStore : public RegistryStore {
public:
    explicit FailingReadsStore(std::shared_ptr<RegistryStore> inner) : m_inner(std::move(inner)) {}

    std::optional<RegistryValue> read(quint32, const QString &, const QString &name) override
    {
        throw RegistryError(QStringLiteral("Cannot read '%1'").arg(name));
    }
    void write(quint32 root, const QString &key, const QString &name,
               const RegistryData &data) override
    {
        m_inner->write(root, key, name, data);
    }

private:
    std::shared_ptr<RegistryStore> m_inner;
};
