#include "settings/f_prefs.h"

TPrefs::TPrefs(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Prefs"));
    setWindowTitle(QStringLiteral("Preferences"));
}

void TPrefs::LoadSettings(bool IntoFields)
{
    if (IntoFields)
        loadSettingsFields(*this);
}
