#include "settings/settings_schema.h"

namespace {

using F = SettingsFields;

const std::array<SettingEntry, 23> kTable{{
    {"General", "Splash", &F::Splash, 1, ""},
    {"General", "AppMaxi", &F::AppMaxi, 1, ""},
    {"General", "NewDoc", &F::NewDoc, 0, ""},
    {"General", "DocMaxi", &F::DocMaxi, 1, ""},
    {"General", "MinDoc", &F::MinDoc, 1, ""},
    {"General", "ShowComp", &F::ShowComp, 0, ""},
    {"Editor", "TextCol", &F::TextCol, 0x000000, ""},
    {"Editor", "BGCol", &F::BGCol, 0xFFFFFF, ""},
    {"Editor", "StdFont", &F::StdFont, 0, "Courier New"},
    {"Editor", "StdFontSize", &F::StdFontSize, 10, ""},
    {"Editor", "Text", &F::Text, 0x000000, ""},
    {"Editor", "Links", &F::Links, 0xFF0000, ""},
    {"Editor", "Images", &F::Images, 0x0000FF, ""},
    {"Editor", "Other", &F::Other, 0x808000, ""},
    {"Editor", "SyntaxColouring", &F::SyntaxColouring, 1, ""},
    {"Misc", "ExtBrowser", &F::ExtBrowser, 0, ""},
    {"", "Author", &F::Author, 0, ""},
    {"", "EMail", &F::EMail, 0, ""},
    {"Netscape", "UseNetscapeExt", &F::UseNetscapeExt, 0, ""},
    {"FTP", "Host", &F::Host, 0, "ftp."},
    {"FTP", "Username", &F::Username, 0, ""},
    {"FTP", "Password", &F::Password, 0, ""},
    {"FTP", "InitDir", &F::InitDir, 0, "/"},
}};

void readInto(bool &field, const SettingEntry &entry, RegistryEdit &edit)
{
    field = entry.read(edit, field).toBool();
}

// Colours travel as signed integers, like every DWORD the store reads.
void readInto(quint32 &field, const SettingEntry &entry, RegistryEdit &edit)
{
    field = quint32(entry.read(edit, int(field)).toInt());
}

void readInto(qint32 &field, const SettingEntry &entry, RegistryEdit &edit)
{
    field = entry.read(edit, int(field)).toInt();
}

void readInto(QString &field, const SettingEntry &entry, RegistryEdit &edit)
{
    field = entry.read(edit, field).toString();
}

} // namespace

QString SettingEntry::keyPath() const
{
    return QLatin1String(kSettingsStem) + QLatin1Char('\\') + QLatin1String(subKey);
}

QVariant SettingEntry::dialogDefault() const
{
    switch (kind()) {
    case SettingKind::Boolean:
        return dialogNumber != 0;
    case SettingKind::Colour:
    case SettingKind::Integer:
        return int(dialogNumber);
    case SettingKind::Text:
        break;
    }
    return QString::fromLatin1(dialogText);
}

QVariant SettingEntry::read(RegistryEdit &edit, const QVariant &Default) const
{
    return edit.ReadValue(HKEY_CURRENT_USER, keyPath(), QString::fromLatin1(valueName), Default);
}

void SettingEntry::write(RegistryEdit &edit, const QVariant &Value) const
{
    edit.WriteValue(HKEY_CURRENT_USER, keyPath(), QString::fromLatin1(valueName), Value);
}

const std::array<SettingEntry, 23> &settingsTable()
{
    return kTable;
}

SettingsFields readSettings()
{
    SettingsFields fields;
    RegistryEdit edit;
    for (const SettingEntry &entry : kTable)
        std::visit([&](auto member) { readInto(fields.*member, entry, edit); }, entry.field);
    return fields;
}

int effectiveFontSize(qint32 stored)
{
    return stored < 1 ? 10 : stored;
}
