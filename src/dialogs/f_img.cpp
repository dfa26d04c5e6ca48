#include "dialogs/f_img.h"

#include "controls/dialog_rows.h"
#include "dialogs/image_markup.h"
#include "dialogs/url_button.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TImg::TImg(QWidget *parent) : TStdDialog(QStringLiteral("Img"), QStringLiteral("Image"), parent)
{
    DialogRows rows(this);
    const DialogRows::ButtonRow source =
        rows.editWithButton(QStringLiteral("&Source"), "eImage", "sbLocateImg", {}, "Label1");
    Label1 = source.label;
    eImage = source.edit;
    sbLocateImg = source.button;
    connectUrlBuilder(sbLocateImg, eImage, QStringLiteral("Start the URL builder"));
    eAltText = newLineEdit(this, "eAltText");
    Label2 = rows.labelled(QStringLiteral("&Alternate text :"), eAltText, "Label2");
    eImage->setMinimumWidth(eImage->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
    body()->addLayout(rows.layout());
}

bool TImg::bbOKClick()
{
    Image = imageElement({eImage->text(), eAltText->text()});
    return true;
}
