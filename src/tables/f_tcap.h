#pragma once

#include "controls/std_dialog.h"

class QComboBox;
class QLineEdit;

// The caption dialog: one CAPTION element with its alignment.
class TTabCaption : public TStdDialog {
    Q_OBJECT

public:
    explicit TTabCaption(QWidget *parent = nullptr);

    QComboBox *cbAlign;
    QLineEdit *eCaption;
    // The element, built when OK is pressed.
    QString CaptionTag;

protected:
    bool bbOKClick() override;
};
