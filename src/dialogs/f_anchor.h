#pragma once

#include "controls/std_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The anchor dialog: a link target, the visible text and the optional TARGET and NAME.
class TAnchor : public TStdDialog {
    Q_OBJECT

public:
    explicit TAnchor(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *eLink;
    QPushButton *sbURL;
    QLabel *Label2;
    QLineEdit *eDesc;
    QLabel *Label3;
    QLineEdit *eTarget;
    QLabel *Label4;
    QLineEdit *eName;
    // The element, filled on OK.
    QString Anchor;

protected:
    // Refuses an empty link.
    bool bbOKClick() override;
};
