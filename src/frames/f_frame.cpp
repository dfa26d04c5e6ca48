#include "frames/f_frame.h"

#include "controls/dialog_rows.h"
#include "dialogs/url_button.h"
#include "frames/frames_markup.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

TFrame::TFrame(QWidget *parent)
    : TStdDialog(QStringLiteral("Frame"), QStringLiteral("Frame"), parent)
{
    DialogRows rows(this);
    const DialogRows::ButtonRow source = addUrlRow(rows, QStringLiteral("&Source :"), "eSource",
                                                   "sbLocateURL", QStringLiteral("Locate the URL"));
    eSource = source.edit;
    sbLocateURL = source.button;
    cbName = newFreeCombo(this, "cbName",
                          {QStringLiteral("_blank"), QStringLiteral("_parent"),
                           QStringLiteral("_self"), QStringLiteral("_top")});
    rows.labelled(QStringLiteral("&Name :"), cbName);
    eMrgWidth = rows.edit(QStringLiteral("Margin &width :"), "eMrgWidth");
    eMrgHeight = rows.edit(QStringLiteral("Margin &height :"), "eMrgHeight");
    cbNoResize = rows.checkBox("cbNoResize", QStringLiteral("&No resize"));
    cbScrolling = newFreeCombo(
        this, "cbScrolling", {QStringLiteral("YES"), QStringLiteral("NO"), QStringLiteral("AUTO")});
    rows.labelled(QStringLiteral("&Scrolling :"), cbScrolling);
    eSource->setMinimumWidth(charsWide(*eSource, 32));
    body()->addLayout(rows.layout());
}

bool TFrame::bbOKClick()
{
    Frame = frameLine({eSource->text(), cbName->currentText(), eMrgWidth->text(),
                       eMrgHeight->text(), cbScrolling->currentText(), cbNoResize->isChecked()});
    return true;
}
