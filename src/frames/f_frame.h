#pragma once

#include "controls/std_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The frame dialog: a frame's source and its optional attributes.
class TFrame : public TStdDialog {
    Q_OBJECT

public:
    explicit TFrame(QWidget *parent = nullptr);

    QLineEdit *eSource;
    QPushButton *sbLocateURL;
    QComboBox *cbName;
    QLineEdit *eMrgWidth;
    QLineEdit *eMrgHeight;
    QCheckBox *cbNoResize;
    QComboBox *cbScrolling;
    // The frame tag, filled on OK.
    QString Frame;

protected:
    bool bbOKClick() override;
};
