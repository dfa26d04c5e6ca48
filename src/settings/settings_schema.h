#pragma once

#include "settings/registry_edit.h"

#include <QString>
#include <QVariant>
#include <array>
#include <variant>

// The 23 settings, in this order, named after their registry values. The editor fields start
// at the preferences defaults so that an empty store never gives black text on a black editor
// and colours the source with the four defaults; the others start as stored-nothing implies.
struct SettingsFields {
    bool Splash = false, AppMaxi = false, NewDoc = false, DocMaxi = false, MinDoc = false,
         ShowComp = false;
    quint32 TextCol = 0x000000, BGCol = 0xFFFFFF;
    QString StdFont = QStringLiteral("Courier New");
    qint32 StdFontSize = 10;
    quint32 Text = 0x000000, Links = 0xFF0000, Images = 0x0000FF, Other = 0x808000;
    bool SyntaxColouring = true;
    QString ExtBrowser, Author, EMail;
    bool UseNetscapeExt = false;
    QString Host, Username, Password, InitDir;
};

// Follows the order of the field types in SettingEntry::field.
enum class SettingKind { Boolean, Colour, Integer, Text };

inline constexpr char kSettingsStem[] = "Software\\Corvane\\Pagewick\\Settings";

// Where one setting is kept, which field holds it, and what the preferences window shows
// while the store holds nothing.
struct SettingEntry {
    const char *subKey; // below the stem; "" is the stem key itself
    const char *valueName;
    std::variant<bool SettingsFields::*, quint32 SettingsFields::*, qint32 SettingsFields::*,
                 QString SettingsFields::*>
        field;
    quint32 dialogNumber;   // Boolean 0/1, colour or size
    const char *dialogText; // text settings

    SettingKind kind() const { return SettingKind(field.index()); }
    // As the program passes it: "...\\Settings\\General", or "...\\Settings\\" for the stem.
    QString keyPath() const;
    // bool, int or QString, matching kind().
    QVariant dialogDefault() const;
    // One ReadValue / WriteValue of this setting; Default and Value carry the kind's type.
    QVariant read(RegistryEdit &edit, const QVariant &Default) const;
    void write(RegistryEdit &edit, const QVariant &Value) const;
};

const std::array<SettingEntry, 23> &settingsTable();

// Every setting as stored right now, read afresh at each call: the one way the program reads
// a setting. One ReadValue per setting in table order, each defaulting to the field's start
// value; a wrongly typed value is reported once and its start value used.
SettingsFields readSettings();

// The editor's font size: a stored size below 1 falls back to 10.
int effectiveFontSize(qint32 stored);
