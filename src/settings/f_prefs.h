#pragma once

#include "controls/std_dialog.h"
#include "settings/settings_schema.h"

#include <functional>
#include <vector>

class ColorLabel;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;

// The preferences window, which doubles as the settings object: a hidden TPrefs whose
// LoadSettings() has run holds every setting as stored right now. Shown, it edits all of them
// and writes them all back whenever it closes, Cancel included.
class TPrefs : public TStdDialog, public SettingsFields {
    Q_OBJECT

public:
    explicit TPrefs(QWidget *parent = nullptr);

    // IntoFields = true fills the settings fields, false the controls; each read defaults to
    // what it fills. A wrongly typed value throws RegistryError and ends the load.
    void LoadSettings(bool IntoFields = true);
    // Writes all 22 settings from the controls, in table order.
    void SaveSettings();

    // Fills the controls from the store (may throw RegistryError: the dialog is then not
    // shown), then runs the dialog. The result is 1 or 2, and either way the settings are saved.
    int ShowModal();

    void FormShow();
    void ChooseFontClick();
    // Sender is lbTextCol or lbBGCol.
    void ChooseEditorColorClick(ColorLabel *Sender);
    void sbLocateBrowserClick();

    QTabWidget *PageControl1;
    QCheckBox *cbSplash, *cbAppMaxi, *cbNewDoc, *cbDocMaxi, *cbMinDoc, *cbShowComp;
    ColorLabel *lbFontName, *lbTextCol, *lbBGCol, *lbText, *lbLinks, *lbImages, *lbOther;
    QLineEdit *eBrowser, *eAuthorName, *eAuthorEMail;
    QToolButton *sbLocateBrowser;
    QRadioButton *rbYes, *rbNo;
    QLineEdit *eHost, *eUserName, *ePassword, *eInitDir;

protected:
    // FormCloseQuery: OK, Cancel, Escape and the close box all come through here.
    void done(int result) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildEditorPage();
    QWidget *buildMiscPage();
    QWidget *buildNetscapePage();
    QWidget *buildFtpPage();
    struct ControlRead;
    // The reads of LoadSettings(false) in their order, and the sources of SaveSettings.
    std::vector<ControlRead> controlReads();
    std::vector<std::pair<const SettingEntry *, QVariant>> controlValues() const;

    // What the colour dialog last returned in this opening.
    quint32 m_lastColor = 0;
};
