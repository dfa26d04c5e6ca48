#pragma once

#include "controls/std_dialog.h"
#include "forms/form_markup.h"

#include <utility>
#include <vector>

class QLineEdit;
class QTableWidget;
class TUpDown;

// The field dialogs (TQFTB, TQFHT, TQFTA, TQFCB, TQFRB, TQFDD, TQFSUB, TQFRES) are one window
// built from a description of its kind: the dialog's objectName is the class name without its
// "T", its boxes are named and captioned from the same description.
class TFieldDialog : public TStdDialog {
    Q_OBJECT

public:
    TFieldDialog(FormField field, QWidget *parent = nullptr);

    // The drop-down's row count (eRows) and options grid; null in the other dialogs.
    TUpDown *udRows = nullptr;
    QTableWidget *sgOptions = nullptr;
    // The boxes as typed, filled on OK.
    FieldValues Values;

    // Makes the row count of eRows the options grid's row count.
    void RowsChange();

protected:
    bool bbOKClick() override;
    void showEvent(QShowEvent *event) override;

private:
    void addOptions(QBoxLayout *body);

    std::vector<std::pair<QLineEdit *, QString FieldValues::*>> m_boxes;
    bool m_fixedPosition = false;
};
