#include "settings/corvane_registry.h"

#include <QSet>
#include <QStringList>
#include <cstdio>

namespace {

std::shared_ptr<RegistryStore> &installedStore()
{
    static std::shared_ptr<RegistryStore> store;
    return store;
}

void writeToStderr(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::function<void(const QString &)> &installedNoticeHandler()
{
    static std::function<void(const QString &)> handler = writeToStderr;
    return handler;
}

bool isDwordInteger(QMetaType::Type type)
{
    switch (type) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

RegistryError invalidType(const QString &name)
{
    return RegistryError(QStringLiteral("Invalid data type for '%1'").arg(name));
}

QVariant converted(const std::optional<RegistryValue> &stored, const QString &ValueName,
                   const QVariant &Default)
{
    if (!stored)
        return Default;
    const auto type = static_cast<QMetaType::Type>(Default.typeId());
    const bool isDword = stored->type == RegistryValue::Type::Dword;
    if (type == QMetaType::Bool) {
        if (!isDword)
            throw invalidType(ValueName);
        return stored->dword != 0;
    }
    if (isDwordInteger(type)) {
        if (!isDword)
            throw invalidType(ValueName);
        return int(qint32(stored->dword));
    }
    if (type == QMetaType::QString) {
        if (stored->type != RegistryValue::Type::String &&
            stored->type != RegistryValue::Type::ExpandString)
            throw invalidType(ValueName);
        return stored->text;
    }
    return Default;
}

// Values reported as wrongly typed, by root, key and name, until they are written again.
QSet<QString> &reportedValues()
{
    static QSet<QString> reported;
    return reported;
}

} // namespace

QString registryValueId(quint32 RootKey, const QString &Key, const QString &ValueName)
{
    return (rootKeyName(RootKey) + QLatin1Char('\\') + normalizedKeyPath(Key) + QLatin1Char('|') +
            ValueName)
        .toCaseFolded();
}

std::optional<RegistryData> registryDataFor(const QVariant &value)
{
    const auto type = static_cast<QMetaType::Type>(value.typeId());
    if (type == QMetaType::Bool)
        return quint32(value.toBool() ? 1 : 0);
    if (type == QMetaType::UInt)
        return quint32(value.toUInt());
    if (isDwordInteger(type))
        return quint32(qint32(value.toInt()));
    if (type == QMetaType::QString)
        return value.toString();
    return std::nullopt;
}

quint32 effectiveRootKey(quint32 RootKey)
{
    return RootKey >= HKEY_CLASSES_ROOT && RootKey <= HKEY_DYN_DATA ? RootKey : HKEY_CURRENT_USER;
}

QString rootKeyName(quint32 root)
{
    static const char *const names[] = {
        "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
        "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
    return QString::fromLatin1(names[effectiveRootKey(root) - HKEY_CLASSES_ROOT]);
}

QString normalizedKeyPath(const QString &key)
{
    const QLatin1Char backslash('\\');
    if (!key.startsWith(backslash) && !key.endsWith(backslash) &&
        !key.contains(QLatin1String("\\\\")))
        return key;
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

void RegistryStore::update(const QList<RegistryWrite> &writes)
{
    for (const RegistryWrite &value : writes) {
        if (!value.expected || read(value.root, value.key, value.name) == *value.expected)
            write(value.root, value.key, value.name, value.data);
    }
}

void TCorvaneRegistry::WriteValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                                  const QVariant &Value)
{
    if (const std::optional<RegistryData> data = registryDataFor(Value))
        WriteValues({RegistryWrite{RootKey, Key, ValueName, *data, {}}});
}

void TCorvaneRegistry::WriteValues(QList<RegistryWrite> writes)
{
    if (writes.isEmpty())
        return;
    for (RegistryWrite &value : writes) {
        value.root = effectiveRootKey(value.root);
        value.key = normalizedKeyPath(value.key);
    }
    try {
        store()->update(writes);
    } catch (const RegistryError &error) {
        throw RegistryError(QStringLiteral("Failed to set data for '%1': %2")
                                .arg(writes.constFirst().name, error.message()));
    }
    for (const RegistryWrite &value : writes)
        reportedValues().remove(registryValueId(value.root, value.key, value.name));
}

QVariant TCorvaneRegistry::ReadValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                                     const QVariant &Default)
{
    return converted(store()->read(effectiveRootKey(RootKey), normalizedKeyPath(Key), ValueName),
                     ValueName, Default);
}

QVariant TCorvaneRegistry::ReadValueOrDefault(quint32 RootKey, const QString &Key,
                                              const QString &ValueName, const QVariant &Default,
                                              std::optional<RegistryValue> *Stored)
{
    const quint32 root = effectiveRootKey(RootKey);
    const QString key = normalizedKeyPath(Key);
    const std::optional<RegistryValue> stored = store()->read(root, key, ValueName);
    if (Stored)
        *Stored = stored;
    try {
        return converted(stored, ValueName, Default);
    } catch (const RegistryError &error) {
        if (!reportedValues().contains(registryValueId(root, key, ValueName))) {
            reportedValues().insert(registryValueId(root, key, ValueName));
            notify(QStringLiteral("%1 in %2\\%3: its default is used until it is saved again.")
                       .arg(error.message(), rootKeyName(root), key));
        }
        return Default;
    }
}

void TCorvaneRegistry::setStore(std::shared_ptr<RegistryStore> store)
{
    installedStore() = std::move(store);
    reportedValues().clear();
}

std::shared_ptr<RegistryStore> TCorvaneRegistry::store()
{
    // The program chooses its store at start; reaching here without one is a wiring fault.
    if (!installedStore())
        throw RegistryError(QStringLiteral("No settings store has been chosen."));
    return installedStore();
}

void TCorvaneRegistry::setNoticeHandler(std::function<void(const QString &)> handler)
{
    installedNoticeHandler() = handler ? std::move(handler) : writeToStderr;
}

std::function<void(const QString &)> TCorvaneRegistry::noticeHandler()
{
    return installedNoticeHandler();
}

void TCorvaneRegistry::notify(const QString &text)
{
    installedNoticeHandler()(text);
}
