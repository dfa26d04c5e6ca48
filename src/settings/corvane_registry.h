#pragma once

#include "core/command_error.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

class RegistryError : public CommandError {
    using CommandError::CommandError;
};

// Root keys as the program passes them.
enum : quint32 {
    HKEY_CLASSES_ROOT = 0x80000000,
    HKEY_CURRENT_USER = 0x80000001,
    HKEY_LOCAL_MACHINE = 0x80000002,
    HKEY_USERS = 0x80000003,
    HKEY_PERFORMANCE_DATA = 0x80000004,
    HKEY_CURRENT_CONFIG = 0x80000005,
    HKEY_DYN_DATA = 0x80000006
};

// One stored value as a store reports it.
struct RegistryValue {
    enum class Type { Dword, String, ExpandString, Other };
    Type type = Type::Other;
    quint32 dword = 0;
    QString text;

    bool operator==(const RegistryValue &) const = default;
};

// What the program writes: a DWORD or a REG_SZ text.
using RegistryData = std::variant<quint32, QString>;

// One value of an update. With expected set, the value is written only while the store still
// holds what expected says (nullopt: nothing), so a value another writer changed since it was
// read is kept.
struct RegistryWrite {
    quint32 root = HKEY_CURRENT_USER;
    QString key;
    QString name;
    RegistryData data;
    std::optional<std::optional<RegistryValue>> expected;
};

// Where values live. The root is one of the seven predefined roots and the key path has
// no leading, trailing or doubled backslashes. Failures throw RegistryError with a reason.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual std::optional<RegistryValue> read(quint32 root, const QString &key,
                                              const QString &name) = 0;
    virtual void write(quint32 root, const QString &key, const QString &name,
                       const RegistryData &data) = 0;
    // All writes as one update. This one writes them one by one; a store that can should
    // apply them atomically.
    virtual void update(const QList<RegistryWrite> &writes);
};

// The predefined root RootKey selects, HKEY_CURRENT_USER for anything else.
quint32 effectiveRootKey(quint32 RootKey);
// "HKEY_CURRENT_USER" and so on, for an effective root.
QString rootKeyName(quint32 root);
// "\\a\\\\b\\" -> "a\\b": the form stores receive.
QString normalizedKeyPath(const QString &key);
// Names one value whatever the case and stray backslashes of its key.
QString registryValueId(quint32 RootKey, const QString &Key, const QString &ValueName);
// The data a variant selects (bool, integers, text), nothing for any other type.
std::optional<RegistryData> registryDataFor(const QVariant &value);

class TCorvaneRegistry {
public:
    TCorvaneRegistry() = delete;

    static void WriteValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                           const QVariant &Value);
    static QVariant ReadValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                              const QVariant &Default);
    // ReadValue that goes on with Default where ReadValue fails on a wrongly typed value; the
    // value is reported through notify() once, until it is written again. Stored, when
    // given, receives the value as the store holds it.
    static QVariant ReadValueOrDefault(quint32 RootKey, const QString &Key,
                                       const QString &ValueName, const QVariant &Default,
                                       std::optional<RegistryValue> *Stored = nullptr);
    // Several values as one update of the store; a failure names the first of them.
    static void WriteValues(QList<RegistryWrite> writes);

    static void setStore(std::shared_ptr<RegistryStore> store);
    // The registry file in the user's config folder unless a store was installed.
    static std::shared_ptr<RegistryStore> store();

    // Stores report things the user should know (a damaged file kept aside) through here;
    // an empty handler restores the default, which writes to stderr.
    static void setNoticeHandler(std::function<void(const QString &)> handler);
    static std::function<void(const QString &)> noticeHandler();
    static void notify(const QString &text);
};
