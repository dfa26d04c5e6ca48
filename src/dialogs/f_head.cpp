#include "dialogs/f_head.h"

#include "controls/dialog_rows.h"
#include "controls/updown.h"
#include "dialogs/heading_markup.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

THeading::THeading(QWidget *parent)
    : TStdDialog(QStringLiteral("Heading"), QStringLiteral("Heading"), parent)
{
    DialogRows rows(this);
    UpDown1 = new TUpDown(QStringLiteral("UpDown1"), QStringLiteral("eHeadSize"),
                          {1, 6, 1, 1, false, true}, this);
    eHeadSize = UpDown1->edit();
    Label1 = rows.labelled(QStringLiteral("&Size :"), UpDown1, "Label1", 1);
    eHeadText = newLineEdit(this, "eHeadText");
    Label2 = rows.labelled(QStringLiteral("&Text :"), eHeadText, "Label2");
    eHeadText->setMinimumWidth(charsWide(*eHeadText, 32));
    body()->addLayout(rows.layout());
    connect(eHeadSize, &QLineEdit::textChanged, this, &THeading::HeadingChange);
    connect(eHeadText, &QLineEdit::textChanged, this, &THeading::HeadingChange);
    // Built once now, so OK at once gives "<H1></H1>" rather than nothing.
    HeadingChange();
}

void THeading::HeadingChange()
{
    Heading = headingLine({eHeadSize->text(), eHeadText->text()});
}
