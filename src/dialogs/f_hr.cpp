#include "dialogs/f_hr.h"

#include "controls/dialog_rows.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

THR::THR(QWidget *parent)
    : TStdDialog(QStringLiteral("HR"), QStringLiteral("Horizontal Rule"), parent)
{
    DialogRows rows(this);
    eHRHeight = newLineEdit(this, "eHRHeight", QStringLiteral("1"));
    Label1 = rows.labelled(QStringLiteral("&Height :"), eHRHeight, "Label1");
    body()->addLayout(rows.layout());
}

bool THR::bbOKClick()
{
    Height = eHRHeight->text();
    return true;
}
