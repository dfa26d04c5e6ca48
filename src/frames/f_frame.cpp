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

#include <limits>

namespace {

// A box that offers the usual values but takes any text, starting empty.
QComboBox *newChoiceBox(QWidget *parent, const char *name, const QStringList &choices)
{
    auto *box = new QComboBox(parent);
    nameControl(box, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    box->addItems(choices);
    box->setCurrentIndex(-1);
    return box;
}

} // namespace

TFrame::TFrame(QWidget *parent)
    : TStdDialog(QStringLiteral("Frame"), QStringLiteral("Frame"), parent)
{
    DialogRows rows(this);
    const DialogRows::ButtonRow source =
        rows.editWithButton(QStringLiteral("&Source :"), "eSource", "sbLocateURL");
    eSource = source.edit;
    sbLocateURL = source.button;
    connectUrlBuilder(sbLocateURL, eSource, QStringLiteral("Locate the URL"));
    cbName = newChoiceBox(this, "cbName",
                          {QStringLiteral("_blank"), QStringLiteral("_parent"),
                           QStringLiteral("_self"), QStringLiteral("_top")});
    rows.labelled(QStringLiteral("&Name :"), cbName);
    eMrgWidth = rows.edit(QStringLiteral("Margin &width :"), "eMrgWidth");
    eMrgHeight = rows.edit(QStringLiteral("Margin &height :"), "eMrgHeight");
    cbNoResize = rows.checkBox("cbNoResize", QStringLiteral("&No resize"));
    cbScrolling = newChoiceBox(
        this, "cbScrolling", {QStringLiteral("YES"), QStringLiteral("NO"), QStringLiteral("AUTO")});
    rows.labelled(QStringLiteral("&Scrolling :"), cbScrolling);
    eSource->setMinimumWidth(eSource->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
    body()->addLayout(rows.layout());
}

bool TFrame::bbOKClick()
{
    Frame = frameLine({eSource->text(), cbName->currentText(), eMrgWidth->text(),
                       eMrgHeight->text(), cbScrolling->currentText(), cbNoResize->isChecked()});
    return true;
}
