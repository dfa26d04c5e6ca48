#pragma once

#include "settings/settings_schema.h"

#include <QDialog>

// The preferences window, which doubles as the settings object: a hidden TPrefs whose
// LoadSettings() has run holds every setting as stored right now.
class TPrefs : public QDialog, public SettingsFields {
    Q_OBJECT

public:
    explicit TPrefs(QWidget *parent = nullptr);

    // IntoFields = true fills the settings fields. The window's controls, which
    // IntoFields = false fills, arrive with the preferences window itself.
    void LoadSettings(bool IntoFields = true);
};
