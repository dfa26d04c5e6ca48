#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

// Names a dialog and gives it the fixed dialog frame every dialog of the program has.
void setUpFixedDialog(QDialog &dialog, const QString &objectName, const QString &caption);
// Puts a window in the middle of the screen.
void centreOnScreen(QWidget &window);
// Fixes a dialog at the size its controls need and centres it on the screen (when it is shown).
void fixAndCentre(QDialog &dialog);

// The shape every small modal dialog shares: a fixed window with its controls on top and the
// buttons bbOK (default) and bbCancel (Escape) at the bottom right. Subclasses put their controls
// into body() and may refuse OK in bbOKClick() (show a message and return false: the dialog stays
// open).
class TStdDialog : public QDialog {
    Q_OBJECT

public:
    TStdDialog(const QString &objectName, const QString &caption, QWidget *parent = nullptr);

    QPushButton *bbOK;
    QPushButton *bbCancel;

    // Modal result as the commands compare it: 1 OK, 2 Cancel.
    int ShowModal();

protected:
    QBoxLayout *body() const { return m_body; }
    virtual bool bbOKClick() { return true; }
    // For dialogs with a memo the user may enlarge: the built size becomes the smallest.
    void allowResizing();
    // Fixes the size once the controls are in, centres the dialog on the screen and puts the
    // focus on the first field (or the one the dialog chose), its text selected.
    void showEvent(QShowEvent *event) override;

private:
    void focusFirstField();

    QBoxLayout *m_body;
    bool m_resizable = false;
};
