#pragma once

#include "app/command_error.h"

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

// Where values live. The root is one of the seven predefined roots and the key path has
// no leading, trailing or doubled backslashes. Failures throw RegistryError with a reason.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual std::optional<RegistryValue> read(quint32 root, const QString &key,
                                              const QString &name) = 0;
    virtual void write(quint32 root, const QString &key, const QString &name,
                       const RegistryData &data) = 0;
};

// The predefined root RootKey selects, HKEY_CURRENT_USER for anything else.
quint32 effectiveRootKey(quint32 RootKey);
// "HKEY_CURRENT_USER" and so on, for an effective root.
QString rootKeyName(quint32 root);
// "\\a\\\\b\\" -> "a\\b": the form stores receive.
QString normalizedKeyPath(const QString &key);

class TCorvaneRegistry {
public:
    TCorvaneRegistry() = delete;

    static void WriteValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                           const QVariant &Value);
    static QVariant ReadValue(quint32 RootKey, const QString &Key, const QString &ValueName,
                              const QVariant &Default);

    static void setStore(std::shared_ptr<RegistryStore> store);
    // The registry file in the user's config folder unless a store was installed.
    static std::shared_ptr<RegistryStore> store();

    // Stores report things the user should know (a damaged file kept aside) through here;
    // an empty handler restores the default, which writes to stderr.
    static void setNoticeHandler(std::function<void(const QString &)> handler);
    static std::function<void(const QString &)> noticeHandler();
    static void notify(const QString &text);
};
