#pragma once

#include "controls/std_dialog.h"

#include <array>

class QGroupBox;
class QRadioButton;
class TUpDown;

// The frameset dialog: five row or five column sizes from 0 to 90 percent.
class TFrameSet : public TStdDialog {
    Q_OBJECT

public:
    explicit TFrameSet(QWidget *parent = nullptr);

    QRadioButton *rbRows;
    QRadioButton *rbCols;
    QGroupBox *gbRows;
    QGroupBox *gbCols;
    // UpDown1 .. UpDown5 with eRow1 .. eRow5, UpDown6 .. UpDown10 with eCol1 .. eCol5.
    std::array<TUpDown *, 5> RowSizes;
    std::array<TUpDown *, 5> ColSizes;
    // The frameset start tag, filled on OK.
    QString FrameSet;

    void ChangeClick();

protected:
    bool bbOKClick() override;
};
