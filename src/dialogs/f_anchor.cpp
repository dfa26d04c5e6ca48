#include "dialogs/f_anchor.h"

#include "controls/dialog_rows.h"
#include "controls/message_box.h"
#include "dialogs/anchor_markup.h"
#include "dialogs/url_button.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TAnchor::TAnchor(QWidget *parent)
    : TStdDialog(QStringLiteral("Anchor"), QStringLiteral("Anchor"), parent)
{
    DialogRows rows(this);
    const DialogRows::ButtonRow link = addUrlRow(rows, QStringLiteral("&URL :"), "eLink", "sbURL",
                                                 QStringLiteral("Start the URL builder"), "Label1");
    Label1 = link.label;
    eLink = link.edit;
    sbURL = link.button;
    eDesc = newLineEdit(this, "eDesc");
    Label2 = rows.labelled(QStringLiteral("&Description :"), eDesc, "Label2");
    eTarget = newLineEdit(this, "eTarget");
    Label3 = rows.labelled(QStringLiteral("&Target :"), eTarget, "Label3");
    eName = newLineEdit(this, "eName");
    Label4 = rows.labelled(QStringLiteral("&Name :"), eName, "Label4");
    eLink->setMinimumWidth(charsWide(*eLink, 32));
    body()->addLayout(rows.layout());
}

bool TAnchor::bbOKClick()
{
    if (eLink->text().isEmpty()) {
        ShowError(this, QStringLiteral("No URL defined!"));
        return false;
    }
    Anchor = anchorElement({eLink->text(), eDesc->text(), eTarget->text(), eName->text()});
    return true;
}
