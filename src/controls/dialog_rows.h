#pragma once

#include "controls/updown.h"

#include <QString>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A caption as screen readers say it: without "&" and a closing colon.
QString plainCaption(const QString &caption);

// Names a control and, given a caption, the accessible name screen readers announce.
void nameControl(QWidget *control, const char *name, const QString &caption = {});

// The rows every dialog is built from: "label  control  [button]" in a grid, check boxes and
// groups, each control named as the dialog's table says. A label's &-key focuses its control,
// and edit boxes keep any length of text.
class DialogRows {
public:
    explicit DialogRows(QWidget *owner);
    DialogRows(QWidget *owner, QGridLayout *grid) : m_owner(owner), m_grid(grid) {}

    QGridLayout *layout() const { return m_grid; }
    QWidget *owner() const { return m_owner; }

    struct ButtonRow {
        QLineEdit *edit;
        QPushButton *button;
    };

    QLineEdit *edit(const QString &caption, const char *editName, const QString &text = {});
    // An edit with a "..." button beside it (the URL builder's rows).
    ButtonRow editWithButton(const QString &caption, const char *editName, const char *buttonName,
                             const QString &text = {});
    TUpDown *upDown(const QString &caption, const char *editName, const char *upDownName,
                    TUpDown::Range range);
    // Any other control under a caption; returns the label.
    QLabel *labelled(const QString &caption, QWidget *control);
    QCheckBox *checkBox(const char *name, const QString &caption, bool checked = false);
    // A control across the whole row.
    void wide(QWidget *control);
    // A titled group whose own rows follow.
    DialogRows group(const char *name, const QString &title);
    // The label made by the last row, so that a dialog can name it as its table says.
    QLabel *lastLabel() const { return m_lastLabel; }

private:
    int nextRow() const;

    QWidget *m_owner;
    QGridLayout *m_grid;
    QLabel *m_lastLabel = nullptr;
};
