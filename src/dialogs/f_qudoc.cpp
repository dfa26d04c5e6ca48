#include "dialogs/f_qudoc.h"

#include "controls/color_convert.h"
#include "controls/dialog_rows.h"
#include "dialogs/url_button.h"
#include "settings/color_label.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *heading(DialogRows &rows, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, rows.owner());
    nameControl(label, name);
    rows.wide(label);
    return label;
}

} // namespace

TQuickDoc::TQuickDoc(QWidget *parent)
    : TStdDialog(QStringLiteral("QuickDoc"), QStringLiteral("Quick Document"), parent)
{
    const QuickDocValues defaults;
    DialogRows rows(this);

    DialogRows document = rows.group(nullptr, {});
    Label1 = heading(document, "Label1", QStringLiteral("Document information :"));
    eTitle = newLineEdit(document.owner(), "eTitle");
    Label2 = document.labelled(QStringLiteral("Title :"), eTitle, "Label2");
    eDesc = newLineEdit(document.owner(), "eDesc");
    Label3 = document.labelled(QStringLiteral("Description :"), eDesc, "Label3");
    Label6 = new QLabel(QStringLiteral("(Meta tag)"), document.owner());
    nameControl(Label6, "Label6");
    QFont small = Label6->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Label6->setFont(small);
    document.layout()->addWidget(Label6, document.layout()->rowCount(), 0, Qt::AlignTop);
    eMainHead = newLineEdit(document.owner(), "eMainHead");
    Label4 = document.labelled(QStringLiteral("Main heading :"), eMainHead, "Label4");
    const DialogRows::ButtonRow image =
        addUrlRow(document, QStringLiteral("Background image :"), "eBackImage", "sbLocateImage",
                  QStringLiteral("Open the URL-Builder"), "Label5");
    Label5 = image.label;
    eBackImage = image.edit;
    sbLocateImage = image.button;
    lbBGColor = newSwatch("lbBGColor", QStringLiteral("Text"), defaults.text);
    Label16 = document.labelled(QStringLiteral("Background color :"), lbBGColor, "Label16");

    DialogRows colors = rows.group(nullptr, {});
    Label7 = heading(colors, "Label7", QStringLiteral("Color information :"));
    cbUseColor = colors.checkBox("cbUseColor", QStringLiteral("&Use these color values"));
    lbTextCol = newSwatch("lbTextCol", QStringLiteral("Text"), defaults.text);
    Label8 = colors.labelled(QStringLiteral("Text color :"), lbTextCol, "Label8");
    lbLinkCol = newSwatch("lbLinkCol", QStringLiteral("Link"), defaults.link);
    Label9 = colors.labelled(QStringLiteral("Link color :"), lbLinkCol, "Label9");
    lbActiveLinkCol =
        newSwatch("lbActiveLinkCol", QStringLiteral("Active Link"), defaults.activeLink);
    Label10 = colors.labelled(QStringLiteral("Active link color :"), lbActiveLinkCol, "Label10");
    lbVisitedLinkCol =
        newSwatch("lbVisitedLinkCol", QStringLiteral("Visited Link"), defaults.visitedLink);
    Label11 = colors.labelled(QStringLiteral("Visited link color :"), lbVisitedLinkCol, "Label11");
    // Both groups' fields start in one column.
    colors.layout()->setColumnMinimumWidth(0, Label5->sizeHint().width());
    eTitle->setMinimumWidth(charsWide(*eTitle, 32));
    body()->addLayout(rows.layout());

    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    ColorDialog1->setOption(QColorDialog::DontUseNativeDialog);
}

ColorLabel *TQuickDoc::newSwatch(const char *name, const QString &caption, quint32 textColor)
{
    auto *swatch = new ColorLabel(QLatin1String(name), caption, this);
    swatch->setSampleLook();
    swatch->setMinimumHeight(swatch->sizeHint().height() + 6);
    swatch->setFontColor(textColor);
    swatch->setBackColor(QuickDocValues().background);
    connect(swatch, &ColorLabel::doubleClicked, this,
            [this, swatch] { ColorChangeDblClick(swatch); });
    return swatch;
}

void TQuickDoc::ColorChangeDblClick(ColorLabel *Sender)
{
    if (ColorDialog1->exec() != QDialog::Accepted)
        return;
    const quint32 chosen = fromQColor(ColorDialog1->selectedColor());
    if (Sender != lbBGColor) {
        Sender->setFontColor(chosen);
        return;
    }
    for (ColorLabel *swatch : {lbBGColor, lbTextCol, lbLinkCol, lbActiveLinkCol, lbVisitedLinkCol})
        swatch->setBackColor(chosen);
}

bool TQuickDoc::bbOKClick()
{
    Values = {eTitle->text(),
              eDesc->text(),
              eMainHead->text(),
              eBackImage->text(),
              cbUseColor->isChecked(),
              lbBGColor->backColor(),
              lbTextCol->fontColor(),
              lbLinkCol->fontColor(),
              lbActiveLinkCol->fontColor(),
              lbVisitedLinkCol->fontColor()};
    return true;
}
