#include "dialogs/f_url.h"

#include "controls/dialog_rows.h"
#include "dialogs/url_markup.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TURLBuilder::TURLBuilder(QWidget *parent)
    : TStdDialog(QStringLiteral("URLBuilder"), QStringLiteral("URL Builder"), parent)
{
    BitBtn1 = bbOK;
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = bbCancel;
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    DialogRows rows(this);
    cbURL = new QComboBox(this);
    cbURL->setObjectName(QStringLiteral("cbURL"));
    cbURL->setEditable(true);
    cbURL->setInsertPolicy(QComboBox::NoInsert);
    cbURL->addItems({QStringLiteral("http://"), QStringLiteral("ftp://"),
                     QStringLiteral("gopher://"), QStringLiteral("mailto:")});
    Label1 = rows.labelled(QStringLiteral("&Type of URL :"), cbURL, "Label1");
    Label2 = new QLabel(QStringLiteral("URL :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    rows.wide(Label2);
    eServer = newLineEdit(this, "eServer");
    Label3 = rows.labelled(QStringLiteral("&Server :"), eServer, "Label3");
    ePath = newLineEdit(this, "ePath");
    Label4 = rows.labelled(QStringLiteral("&Path :"), ePath, "Label4");
    eFile = newLineEdit(this, "eFile");
    Label5 = rows.labelled(QStringLiteral("&File :"), eFile, "Label5");
    eURL = newLineEdit(this, "eURL");
    eURL->setReadOnly(true);
    eURL->setEnabled(false);
    Label6 = rows.labelled(QStringLiteral("builded URL :"), eURL, "Label6");
    eURL->setMinimumWidth(charsWide(*eURL, 40));
    body()->addLayout(rows.layout());

    connect(cbURL, &QComboBox::editTextChanged, this, &TURLBuilder::URLChange);
    for (QLineEdit *part : {eServer, ePath, eFile})
        connect(part, &QLineEdit::textChanged, this, &TURLBuilder::URLChange);
    // Built once now, so OK at once hands back "http:////" rather than emptying the field.
    URLChange();
}

void TURLBuilder::URLChange()
{
    URL = builtUrl({cbURL->currentText(), eServer->text(), ePath->text(), eFile->text()});
    eURL->setText(URL);
}
