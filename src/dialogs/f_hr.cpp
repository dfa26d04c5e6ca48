#include "dialogs/f_hr.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

THR::THR(QWidget *parent)
    : TStdDialog(QStringLiteral("HR"), QStringLiteral("Horizontal Rule"), parent)
{
    Label1 = new QLabel(QStringLiteral("&Height :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    eHRHeight = new QLineEdit(QStringLiteral("1"), this);
    eHRHeight->setObjectName(QStringLiteral("eHRHeight"));
    Label1->setBuddy(eHRHeight);

    auto *row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(eHRHeight, 1);
    body()->addLayout(row);
}

bool THR::bbOKClick()
{
    Height = eHRHeight->text();
    return true;
}
