#pragma once

#include "controls/std_dialog.h"

class ColorLabel;
class QLabel;
class QLineEdit;
class TUpDown;

// QuickFont: one FONT start tag with size, colour and typeface, chosen on two samples.
class TQuickFont : public TStdDialog {
    Q_OBJECT

public:
    explicit TQuickFont(QWidget *parent = nullptr);

    QLabel *Label3;
    ColorLabel *lbFontName;
    QLabel *Label2;
    QLineEdit *eFontSize;
    TUpDown *UpDown1;
    QLabel *Label1;
    ColorLabel *lbFontColor;
    QLabel *Label4;

    // The defaults every run starts from: "Courier New", black, size "2".
    void FormActivate();
    void lbFontNameDblClick();
    void lbFontColorDblClick();
    // The tag the samples and the size box describe.
    QString FontTag() const;

protected:
    // Shown only when the dialog opens: coming back from its own font or colour dialog keeps the
    // choices made.
    void showEvent(QShowEvent *event) override;
};
