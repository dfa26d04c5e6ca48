#pragma once

#include "controls/std_dialog.h"
#include "forms/form_markup.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The form header dialog: the form's action, method and encoding type.
class TFormHeader : public TStdDialog {
    Q_OBJECT

public:
    explicit TFormHeader(QWidget *parent = nullptr);

    QLineEdit *eAction;
    QPushButton *SpeedButton1;
    QComboBox *cbMethod;
    QComboBox *cbEnctype;
    // The boxes as typed, filled on OK.
    FormHeaderValues Values;

protected:
    bool bbOKClick() override;
};
