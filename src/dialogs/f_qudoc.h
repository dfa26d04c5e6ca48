#pragma once

#include "controls/std_dialog.h"
#include "dialogs/quickdoc_markup.h"

class ColorLabel;
class QCheckBox;
class QColorDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// The QuickDocument dialog: the page's texts, its background image and, optionally, its colours,
// kept in five swatches (the page background in all five, each text colour in its own).
class TQuickDoc : public TStdDialog {
    Q_OBJECT

public:
    explicit TQuickDoc(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *eTitle;
    QLabel *Label3;
    QLabel *Label6;
    QLineEdit *eDesc;
    QLabel *Label4;
    QLineEdit *eMainHead;
    QLabel *Label5;
    QLineEdit *eBackImage;
    QPushButton *sbLocateImage;
    QLabel *Label16;
    ColorLabel *lbBGColor;
    QLabel *Label7;
    QCheckBox *cbUseColor;
    QLabel *Label8;
    ColorLabel *lbTextCol;
    QLabel *Label9;
    ColorLabel *lbLinkCol;
    QLabel *Label10;
    ColorLabel *lbActiveLinkCol;
    QLabel *Label11;
    ColorLabel *lbVisitedLinkCol;
    // Opens on the colour last chosen in it, not on the swatch's.
    QColorDialog *ColorDialog1;
    // What the page is built from, filled on OK.
    QuickDocValues Values;

    void ColorChangeDblClick(ColorLabel *Sender);

protected:
    bool bbOKClick() override;

private:
    ColorLabel *newSwatch(const char *name, const QString &caption, quint32 textColor);
};
