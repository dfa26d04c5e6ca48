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

// The preferences window: edits every setting and writes them all back, as one update,
// whenever it closes, Cancel included. Other commands read settings with readSettings().
class TPrefs : public TStdDialog {
    Q_OBJECT

public:
    explicit TPrefs(QWidget *parent = nullptr);

    // Fills the controls; each read defaults to the control's state, which a wrongly typed
    // value keeps (reported once).
    void LoadSettings();
    // Writes every setting from the controls, in table order, as one update; a value shown
    // as it was read does not overwrite one another program stored since.
    void SaveSettings();

    // Fills the controls from the store, then runs the dialog. The result is 1 or 2, and
    // either way the settings are saved.
    int ShowModal();

    void FormShow();
    void ChooseFontClick();
    // Sender is lbTextCol or lbBGCol.
    void ChooseEditorColorClick(ColorLabel *Sender);
    // Sender is one of the four tag colour labels; the dialog starts from its colour.
    void ChooseColorClick(ColorLabel *Sender);
    void sbLocateBrowserClick();

    QTabWidget *PageControl1;
    QCheckBox *cbSplash, *cbAppMaxi, *cbNewDoc, *cbDocMaxi, *cbMinDoc, *cbShowComp,
        *cbSyntaxColouring;
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
    RegistryEdit m_edit;
};
