#include "forms/f_frm.h"

#include "controls/dialog_rows.h"
#include "dialogs/url_button.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

TFormHeader::TFormHeader(QWidget *parent)
    : TStdDialog(QStringLiteral("FormHeader"), QStringLiteral("Form Header"), parent)
{
    DialogRows rows(this);
    const DialogRows::ButtonRow action =
        addUrlRow(rows, QStringLiteral("&Action :"), "eAction", "SpeedButton1",
                  QStringLiteral("Start the URL Builder"));
    eAction = action.edit;
    SpeedButton1 = action.button;
    eAction->setMinimumWidth(charsWide(*eAction, 32));
    cbMethod = newFreeCombo(this, "cbMethod", {QStringLiteral("get"), QStringLiteral("post")});
    rows.labelled(QStringLiteral("&Method :"), cbMethod);
    cbEnctype = newFreeCombo(this, "cbEnctype",
                             {QStringLiteral("multipart/form-data"),
                              QStringLiteral("application/x-www-form-urlencoded")});
    rows.labelled(QStringLiteral("&Enctype :"), cbEnctype);
    body()->addLayout(rows.layout());
}

bool TFormHeader::bbOKClick()
{
    Values = {eAction->text(), cbMethod->currentText(), cbEnctype->currentText()};
    return true;
}
