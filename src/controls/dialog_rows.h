#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// A caption as screen readers say it: without "&" and a closing colon.
QString plainCaption(const QString &caption);

// Names a control (name may be null) and, given a caption, the accessible name screen readers
// announce.
void nameControl(QWidget *control, const char *name, const QString &caption = {});

// A button of any kind (push, check, radio), named and captioned.
template <typename Button>
Button *newButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new Button(caption, parent);
    nameControl(button, name, caption);
    return button;
}

// An edit box that keeps any length of text.
QLineEdit *newLineEdit(QWidget *parent, const char *name, const QString &text = {});
// A box that offers items but takes any text of any length, starting with text.
QComboBox *newFreeCombo(QWidget *parent, const char *name, const QStringList &items,
                        const QString &text = {});
// The narrow "..." button beside a box; a hint is its tooltip and accessible name.
QPushButton *newEllipsisButton(QWidget *parent, const char *name, const QString &hint = {});

// The width of chars average characters in the widget's font, for boxes sized by what they hold.
int charsWide(const QWidget &widget, int chars);

// The rows every dialog is built from: "label  control  [button]" in a grid, check boxes, radio
// buttons and groups, each control named as the dialog's table says (labelName may be null for
// labels the table leaves unnamed). A label's &-key focuses its control, and edit boxes keep any
// length of text.
class DialogRows {
public:
    explicit DialogRows(QWidget *owner);
    DialogRows(QWidget *owner, QGridLayout *grid) : m_owner(owner), m_grid(grid) {}

    QGridLayout *layout() const { return m_grid; }
    QWidget *owner() const { return m_owner; }

    struct ButtonRow {
        QLabel *label;
        QLineEdit *edit;
        QPushButton *button;
    };

    // An edit under a label that needs no name; otherwise labelled(caption, newLineEdit(...)).
    QLineEdit *edit(const QString &caption, const char *editName, const QString &text = {});
    // An edit with a "..." button beside it (the URL builder's rows).
    ButtonRow editWithButton(const QString &caption, const char *editName, const char *buttonName,
                             const QString &text = {}, const char *labelName = nullptr);
    // Any other control under a caption, across the rest of the row unless a span is given;
    // returns the label.
    QLabel *labelled(const QString &caption, QWidget *control, const char *labelName = nullptr,
                     int columnSpan = -1);
    QCheckBox *checkBox(const char *name, const QString &caption, bool checked = false);
    // Radio buttons of one group are one choice.
    QRadioButton *radioButton(const char *name, const QString &caption, bool checked = false);
    // A control across the whole row.
    void wide(QWidget *control);
    // A titled group whose own rows follow.
    DialogRows group(const char *name, const QString &title);
    // Lets the rows stack from the top of a taller owner.
    void stretch();

private:
    int nextRow() const;
    template <typename Button>
    Button *wideButton(const char *name, const QString &caption, bool checked);

    QWidget *m_owner;
    QGridLayout *m_grid;
};
