#pragma once

#include "controls/std_dialog.h"

class QLabel;
class QLineEdit;
class TUpDown;

// The heading dialog: a level from 1 to 6 and the heading's text.
class THeading : public TStdDialog {
    Q_OBJECT

public:
    explicit THeading(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *eHeadSize;
    TUpDown *UpDown1;
    QLabel *Label2;
    QLineEdit *eHeadText;
    // The element, rebuilt on every change of the level or the text.
    QString Heading;

    void HeadingChange();
};
