#include "tables/f_table.h"

#include "controls/dialog_rows.h"
#include "controls/updown.h"
#include "tables/table_markup.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

TTab::TTab(QWidget *parent) : TStdDialog(QStringLiteral("Tab"), QStringLiteral("Table"), parent)
{
    DialogRows rows(this);
    cbBorder = newButton<QCheckBox>(this, "cbBorder", QStringLiteral("&Border :"));
    cbBorder->setChecked(true);
    UpDown1 = new TUpDown(QStringLiteral("UpDown1"), QStringLiteral("eBorder"),
                          {1, 10, 1, 1, false, true}, this);
    eBorder = UpDown1->edit();
    UpDown1->setMinimumWidth(UpDown1->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 32);
    rows.layout()->addWidget(cbBorder, 0, 0);
    rows.layout()->addWidget(UpDown1, 0, 1, Qt::AlignLeft);
    cbAlign = newFreeCombo(this, "cbAlign",
                           QStringLiteral("absbottom absmiddle baseline bleedleft bleedright "
                                          "bottom center left middle right text top")
                               .split(QLatin1Char(' ')),
                           {});
    rows.labelled(QStringLiteral("&Align :"), cbAlign);
    eColSpec = rows.edit(QStringLiteral("&ColSpec :"), "eColSpec");
    eColSpec->setMinimumWidth(charsWide(*eColSpec, 28));
    eCellPadding = rows.edit(QStringLiteral("&Cell Padding :"), "eCellPadding");
    eCellSpacing = rows.edit(QStringLiteral("Cell &Spacing :"), "eCellSpacing");
    eWidth = rows.edit(QStringLiteral("&Width :"), "eWidth");
    eHeight = rows.edit(QStringLiteral("&Height :"), "eHeight");
    m_color =
        addColorRow(rows, QStringLiteral("C&ell Color :"), "eCellColor", "eCol", "sbChooseColor");
    eCellColor = m_color.edit;
    eCol = m_color.swatch;
    sbChooseColor = m_color.button;
    body()->addLayout(rows.layout());

    connect(cbBorder, &QCheckBox::toggled, this, &TTab::cbBorderClick);
    connect(sbChooseColor, &QPushButton::clicked, this, &TTab::sbChooseColorClick);
}

void TTab::cbBorderClick()
{
    UpDown1->setEnabled(cbBorder->isChecked());
}

void TTab::sbChooseColorClick()
{
    pickColor(m_color, this);
}

bool TTab::bbOKClick()
{
    TableTag = tableLine({cbBorder->isChecked(), eBorder->text(), cbAlign->currentText(),
                          eColSpec->text(), eCellPadding->text(), eCellSpacing->text(),
                          eWidth->text(), eHeight->text(), eCellColor->text()});
    return true;
}
