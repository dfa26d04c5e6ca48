#pragma once

#include "controls/dialog_rows.h"
#include "document/find_rules.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The modeless Find dialog of one document window. It lives as long as the window, so its
// text, options and position are kept between uses.
class TFindDialog : public QDialog {
    Q_OBJECT

public:
    explicit TFindDialog(QWidget *parent = nullptr);

    // Shows the dialog without blocking, in front and active.
    void Execute();

    QString FindText() const;
    FindOptions Options() const;

    QLineEdit *eFindText;
    QCheckBox *cbWholeWord;
    QCheckBox *cbMatchCase;
    QRadioButton *rbUp;
    QRadioButton *rbDown;
    QPushButton *bbFindNext;
    QPushButton *bbCancel;

signals:
    // Find Next was pressed.
    void OnFind();

protected:
    TFindDialog(const QString &objectName, const QString &caption, QWidget *parent);
    DialogRows &fields() { return m_fields; }
    // Adds a button to the column on the right, above Cancel.
    QPushButton *addButton(const char *objectName, const QString &caption);
    // The search buttons do nothing without a search text.
    virtual void enableButtons();

private:
    DialogRows m_fields;
    QVBoxLayout *m_buttons;
};

// The modeless Replace dialog: the Find dialog plus a replacement text, Replace and Replace All.
class TReplaceDialog : public TFindDialog {
    Q_OBJECT

public:
    explicit TReplaceDialog(QWidget *parent = nullptr);

    QString ReplaceText() const;
    // Set while the Replace All button's event runs.
    bool ReplaceAll() const { return m_replaceAll; }

    QLineEdit *eReplaceText;
    QPushButton *bbReplace;
    QPushButton *bbReplaceAll;

signals:
    // Replace or Replace All was pressed.
    void OnReplace();

protected:
    void enableButtons() override;

private:
    void replacePressed(bool all);

    bool m_replaceAll = false;
};
