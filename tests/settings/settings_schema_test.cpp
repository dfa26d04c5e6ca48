#include "settings/settings_schema.h"

#include "settings/stored_settings.h"
#include "support/temp_settings.h"

namespace {

using ReadSettings = TempSettingsTest;

} // namespace

// Start values are checked where they act: the frame's start and the editor's look.
TEST_F(ReadSettings, EveryStoredSettingIsRead)
{
    settings.setContents(StoredSettings);
    const SettingsFields fields = readSettings();

    EXPECT_TRUE(fields.AppMaxi && fields.NewDoc && fields.ShowComp && fields.UseNetscapeExt);
    EXPECT_FALSE(fields.Splash || fields.DocMaxi || fields.MinDoc || fields.SyntaxColouring);
    EXPECT_EQ(fields.TextCol, 0x00102030u);
    EXPECT_EQ(fields.BGCol, 0u);
    EXPECT_EQ(fields.StdFont, "Liberation Mono");
    EXPECT_EQ(fields.StdFontSize, -2);
    EXPECT_EQ(fields.Text, 1u);
    EXPECT_EQ(fields.Links, 0x00040506u);
    EXPECT_EQ(fields.Images, 0x00070809u);
    EXPECT_EQ(fields.Other, 0xFF808000u);
    EXPECT_EQ(fields.ExtBrowser, "firefox");
    EXPECT_EQ(fields.Author, "Ann Author");
    EXPECT_EQ(fields.EMail, "ann@example.org");
    EXPECT_EQ(fields.Host, "ftp.example.org");
    EXPECT_EQ(fields.Username, "ann");
    EXPECT_EQ(fields.Password, " p\"w ");
    EXPECT_EQ(fields.InitDir, "/www");
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
        EXPECT_EQ(fields.StdFont, "Arial");
    }
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().startsWith("Invalid data type for 'BGCol'"));
}

TEST(EffectiveFontSize, BelowOneFallsBackToTen)
{
    EXPECT_EQ(effectiveFontSize(0), 10);
    EXPECT_EQ(effectiveFontSize(-5), 10);
    EXPECT_EQ(effectiveFontSize(1), 1);
    EXPECT_EQ(effectiveFontSize(12), 12);
}
