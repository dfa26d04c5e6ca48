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
        addUrlRow(rows, QStringLiteral("&Source"), "eImage", "sbLocateImg",
                  QStringLiteral("Start the URL builder"), "Label1");
    Label1 = source.label;
    eImage = source.edit;
    sbLocateImg = source.button;
    eAltText = newLineEdit(this, "eAltText");
    Label2 = rows.labelled(QStringLiteral("&Alternate text :"), eAltText, "Label2");
    eImage->setMinimumWidth(charsWide(*eImage, 32));
    body()->addLayout(rows.layout());
}

bool TImg::bbOKClick()
{
    Image = imageElement({eImage->text(), eAltText->text()});
    return true;
}
