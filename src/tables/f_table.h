#pragma once

#include "controls/std_dialog.h"
#include "tables/table_rows.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TUpDown;

// The table dialog: one empty TABLE element with up to eight attributes.
class TTab : public TStdDialog {
    Q_OBJECT

public:
    explicit TTab(QWidget *parent = nullptr);

    QCheckBox *cbBorder;
    QLineEdit *eBorder;
    TUpDown *UpDown1;
    QComboBox *cbAlign;
    QLineEdit *eColSpec;
    QLineEdit *eCellPadding;
    QLineEdit *eCellSpacing;
    QLineEdit *eWidth;
    QLineEdit *eHeight;
    QLineEdit *eCellColor;
    ColorLabel *eCol;
    QPushButton *sbChooseColor;
    // The element, built when OK is pressed.
    QString TableTag;

    void cbBorderClick();
    void sbChooseColorClick();

protected:
    bool bbOKClick() override;

private:
    ColorRow m_color;
};
