#include "tables/f_tcap.h"

#include "controls/dialog_rows.h"
#include "tables/table_markup.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

TTabCaption::TTabCaption(QWidget *parent)
    : TStdDialog(QStringLiteral("TabCaption"), QStringLiteral("Table caption"), parent)
{
    DialogRows rows(this);
    cbAlign = newFreeCombo(this, "cbAlign", {QStringLiteral("top"), QStringLiteral("bottom")},
                           QStringLiteral("top"));
    rows.labelled(QStringLiteral("&Align :"), cbAlign);
    eCaption = rows.edit(QStringLiteral("&Caption :"), "eCaption");
    eCaption->setMinimumWidth(charsWide(*eCaption, 32));
    body()->addLayout(rows.layout());
}

bool TTabCaption::bbOKClick()
{
    CaptionTag = captionLine({cbAlign->currentText(), eCaption->text()});
    return true;
}
