#pragma once

#include "controls/std_dialog.h"

class ColorLabel;
class QLabel;
class QLineEdit;
class QScrollBar;

// The colour mixer: red, green and blue sliders, their values and a sample of the mix.
class TColorMixer : public TStdDialog {
    Q_OBJECT

public:
    explicit TColorMixer(QWidget *parent = nullptr);

    QLabel *Label1, *Label2, *Label3;
    QScrollBar *sbRed, *sbGreen, *sbBlue;
    QLineEdit *eValueRed, *eValueGreen, *eValueBlue;
    ColorLabel *lColor;
    // The mix as "#RRGGBB", kept up to date with the sliders.
    QString Color;

    void FormCreate();
    void ColorChange();
};
