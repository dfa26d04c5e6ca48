#include "settings/settings_schema.h"

#include "settings/corvane_registry.h"
#include "support/temp_settings.h"

#include <set>

namespace {

const QByteArray kStored = "Windows Registry Editor Version 5.00\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\FTP]\n"
                           "\"Host\"=\"ftp.example.org\"\n"
                           "\"Username\"=\"ann\"\n"
                           "\"Password\"=\" p\\\"w \"\n"
                           "\"InitDir\"=\"/www\"\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings]\n"
                           "\"Author\"=\"Ann Author\"\n"
                           "\"EMail\"=\"ann@example.org\"\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\General]\n"
                           "\"Splash\"=dword:00000001\n"
                           "\"AppMaxi\"=dword:00000005\n"
                           "\"NewDoc\"=dword:00000000\n"
                           "\"DocMaxi\"=dword:00000001\n"
                           "\"MinDoc\"=dword:00000001\n"
                           "\"ShowComp\"=dword:00000001\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Editor]\n"
                           "\"TextCol\"=dword:00102030\n"
                           "\"BGCol\"=dword:00000000\n"
                           "\"StdFont\"=\"Liberation Mono\"\n"
                           "\"StdFontSize\"=dword:fffffffe\n"
                           "\"Text\"=dword:00000001\n"
                           "\"Links\"=dword:00ff0000\n"
                           "\"Images\"=dword:000000ff\n"
                           "\"Other\"=dword:ff808000\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Misc]\n"
                           "\"ExtBrowser\"=\"firefox\"\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Netscape]\n"
                           "\"UseNetscapeExt\"=dword:00000001\n";

using ReadSettings = TempSettingsTest;

} // namespace

TEST_F(ReadSettings, EmptyStoreGivesTheStartValues)
{
    const SettingsFields fields = readSettings();

    EXPECT_FALSE(fields.Splash || fields.AppMaxi || fields.NewDoc || fields.DocMaxi ||
                 fields.MinDoc || fields.ShowComp || fields.UseNetscapeExt);
    EXPECT_EQ(fields.TextCol, 0x000000u);
    EXPECT_EQ(fields.BGCol, 0xFFFFFFu);
    EXPECT_EQ(fields.StdFont, QStringLiteral("Courier New"));
    EXPECT_EQ(fields.StdFontSize, 10);
    EXPECT_EQ(fields.Text + fields.Links + fields.Images + fields.Other, 0u);
    for (const QString &text : {fields.ExtBrowser, fields.Author, fields.EMail, fields.Host,
                                fields.Username, fields.Password, fields.InitDir})
        EXPECT_TRUE(text.isEmpty());
}

TEST_F(ReadSettings, ReadsEveryStoredSettingAfreshAtEachCall)
{
    EXPECT_FALSE(readSettings().AppMaxi);
    settings.setContents(kStored);
    const SettingsFields fields = readSettings();

    EXPECT_TRUE(fields.Splash && fields.AppMaxi && fields.DocMaxi && fields.MinDoc &&
                fields.ShowComp && fields.UseNetscapeExt);
    EXPECT_FALSE(fields.NewDoc);
    EXPECT_EQ(fields.TextCol, 0x00102030u);
    EXPECT_EQ(fields.BGCol, 0u);
    EXPECT_EQ(fields.StdFont, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(fields.StdFontSize, -2);
    EXPECT_EQ(fields.Text, 1u);
    EXPECT_EQ(fields.Links, 0x00FF0000u);
    EXPECT_EQ(fields.Images, 0x000000FFu);
    EXPECT_EQ(fields.Other, 0xFF808000u);
    EXPECT_EQ(fields.ExtBrowser, QStringLiteral("firefox"));
    EXPECT_EQ(fields.Author, QStringLiteral("Ann Author"));
    EXPECT_EQ(fields.EMail, QStringLiteral("ann@example.org"));
    EXPECT_EQ(fields.Host, QStringLiteral("ftp.example.org"));
    EXPECT_EQ(fields.Username, QStringLiteral("ann"));
    EXPECT_EQ(fields.Password, QStringLiteral(" p\"w "));
    EXPECT_EQ(fields.InitDir, QStringLiteral("/www"));
}

TEST_F(ReadSettings, WronglyTypedValueIsReportedOnceAndGivesItsStartValue)
{
    settings.setContents("Windows Registry Editor Version 5.00\n\n"
                         "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\General]\n"
                         "\"AppMaxi\"=dword:00000001\n\n"
                         "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Editor]\n"
                         "\"BGCol\"=\"white\"\n"
                         "\"StdFont\"=\"Arial\"\n");

    for (int call = 0; call < 2; ++call) {
        const SettingsFields fields = readSettings();
        EXPECT_TRUE(fields.AppMaxi);
        EXPECT_EQ(fields.BGCol, 0xFFFFFFu);
        EXPECT_EQ(fields.StdFont, QStringLiteral("Arial"));
    }
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().startsWith("Invalid data type for 'BGCol'"));
}

TEST_F(ReadSettings, ValuesWrittenThroughTheTableReadBack)
{
    for (const SettingEntry &entry : settingsTable())
        TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, entry.keyPath(),
                                     QString::fromLatin1(entry.valueName), entry.dialogDefault());
    const SettingsFields fields = readSettings();

    EXPECT_TRUE(fields.Splash && fields.AppMaxi && fields.DocMaxi && fields.MinDoc);
    EXPECT_FALSE(fields.NewDoc || fields.ShowComp || fields.UseNetscapeExt);
    EXPECT_EQ(fields.Links, 0x00FF0000u);
    EXPECT_EQ(fields.Images, 0x000000FFu);
    EXPECT_EQ(fields.Other, 0x00808000u);
    EXPECT_EQ(fields.Host, QStringLiteral("ftp."));
    EXPECT_EQ(fields.InitDir, QStringLiteral("/"));
    EXPECT_EQ(fields.StdFont, QStringLiteral("Courier New"));
    EXPECT_TRUE(settings.contents().contains(
        "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings]\n\"Author\"=\"\"\n"
        "\"EMail\"=\"\"\n"));
}

TEST(SettingsTable, EveryFieldOnceWithAMatchingDefault)
{
    std::set<std::size_t> kinds;
    std::set<QString> names;
    for (const SettingEntry &entry : settingsTable()) {
        names.insert(QString::fromLatin1(entry.valueName));
        kinds.insert(entry.field.index());
        const QMetaType::Type expected[] = {QMetaType::Bool, QMetaType::Int, QMetaType::Int,
                                            QMetaType::QString};
        EXPECT_EQ(entry.dialogDefault().typeId(), expected[entry.field.index()]) << entry.valueName;
    }
    EXPECT_EQ(names.size(), 22u);
    EXPECT_EQ(kinds.size(), 4u);
    EXPECT_EQ(settingsTable().front().kind(), SettingKind::Boolean);
    EXPECT_EQ(settingsTable()[9].kind(), SettingKind::Integer);
    EXPECT_EQ(settingsTable()[15].keyPath(),
              QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\"));
}

TEST(EffectiveFontSize, BelowOneFallsBackToTen)
{
    EXPECT_EQ(effectiveFontSize(0), 10);
    EXPECT_EQ(effectiveFontSize(-5), 10);
    EXPECT_EQ(effectiveFontSize(1), 1);
    EXPECT_EQ(effectiveFontSize(12), 12);
}
