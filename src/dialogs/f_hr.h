#pragma once

#include "controls/std_dialog.h"

class QLabel;
class QLineEdit;

// The horizontal-rule dialog: asks for the rule height.
class THR : public TStdDialog {
    Q_OBJECT

public:
    explicit THR(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *eHRHeight;
    // The height as typed, filled on OK.
    QString Height;

protected:
    bool bbOKClick() override;
};
