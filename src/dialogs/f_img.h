#pragma once

#include "controls/std_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The image dialog: the picture's URL and its alternate text.
class TImg : public TStdDialog {
    Q_OBJECT

public:
    explicit TImg(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *eImage;
    QPushButton *sbLocateImg;
    QLabel *Label2;
    QLineEdit *eAltText;
    // The element, filled on OK.
    QString Image;

protected:
    bool bbOKClick() override;
};
