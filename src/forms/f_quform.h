#pragma once

#include "controls/std_dialog.h"
#include "forms/form_markup.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The QuickForm dialog: fields collected one field dialog at a time into a list of lines.
class TQuickForm : public TStdDialog {
    Q_OBJECT

public:
    explicit TQuickForm(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QComboBox *cbItems;
    QPushButton *bbInsert;
    QListWidget *lbItems;

    // Runs the field dialog of the chosen kind; with no kind chosen, says so.
    void InsertClick();
    void AddTextBox();
    void AddHiddenText();
    void AddTextArea();
    void AddCheckBox();
    void AddRadioButton();
    void AddDropDown();
    void AddSubmit();
    void AddReset();

    // The collected lines, in the order they were added.
    QStringList Lines() const;

private:
    void addField(FormField field);
};
