#include "settings/f_prefs.h"

#include "support/temp_settings.h"

using Prefs = TempSettingsTest;

TEST_F(Prefs, IsTheNamedPreferencesWindow)
{
    TPrefs prefs;

    EXPECT_EQ(prefs.objectName(), QStringLiteral("Prefs"));
    EXPECT_EQ(prefs.windowTitle(), QStringLiteral("Preferences"));
    EXPECT_FALSE(prefs.isVisible());
}

TEST_F(Prefs, HiddenLoadSeesTheStoreAsItIsNow)
{
    const QString stem = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\");
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, stem + QStringLiteral("General"),
                                 QStringLiteral("AppMaxi"), true);
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, stem, QStringLiteral("Author"),
                                 QStringLiteral("Ann"));

    TPrefs prefs;
    EXPECT_FALSE(prefs.AppMaxi);
    prefs.LoadSettings();
    EXPECT_TRUE(prefs.AppMaxi);
    EXPECT_EQ(prefs.Author, QStringLiteral("Ann"));
    EXPECT_EQ(prefs.BGCol, 0xFFFFFFu);

    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, stem + QStringLiteral("General"),
                                 QStringLiteral("AppMaxi"), false);
    TPrefs next;
    next.LoadSettings(true);
    EXPECT_FALSE(next.AppMaxi);
}

TEST_F(Prefs, WronglyTypedValueEndsTheLoad)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER,
                                 QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\General"),
                                 QStringLiteral("NewDoc"), QStringLiteral("yes"));
    TPrefs prefs;

    EXPECT_THROW(prefs.LoadSettings(), RegistryError);
}
