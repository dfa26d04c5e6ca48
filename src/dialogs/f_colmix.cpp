#include "dialogs/f_colmix.h"

#include "controls/dialog_rows.h"
#include "core/color_value.h"
#include "dialogs/colormix_markup.h"
#include "settings/color_label.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

TColorMixer::TColorMixer(QWidget *parent)
    : TStdDialog(QStringLiteral("ColorMixer"), QStringLiteral("Color-Mixer"), parent)
{
    DialogRows rows(this);
    QGridLayout *grid = rows.layout();
    const auto component = [&](const QString &caption, const char *labelName, const char *barName,
                               const char *valueName, QLabel *&label, QScrollBar *&bar,
                               QLineEdit *&value) {
        bar = new QScrollBar(Qt::Horizontal, this);
        nameControl(bar, barName, caption);
        bar->setRange(0, 255);
        bar->setMinimumWidth(256);
        label = rows.labelled(caption, bar, labelName, 1);
        value = newLineEdit(this, valueName, QStringLiteral("#0"));
        value->setReadOnly(true);
        value->setEnabled(false);
        value->setFixedWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("#WW")) + 12);
        grid->addWidget(value, grid->rowCount() - 1, 2);
        connect(bar, &QScrollBar::valueChanged, this, &TColorMixer::ColorChange);
    };
    component(QStringLiteral("&Red :"), "Label1", "sbRed", "eValueRed", Label1, sbRed, eValueRed);
    component(QStringLiteral("&Green :"), "Label2", "sbGreen", "eValueGreen", Label2, sbGreen,
              eValueGreen);
    component(QStringLiteral("&Blue :"), "Label3", "sbBlue", "eValueBlue", Label3, sbBlue,
              eValueBlue);
    lColor = new ColorLabel(QStringLiteral("lColor"), QString(), this);
    lColor->setSampleLook();
    lColor->setMinimumWidth(64);
    grid->addWidget(lColor, 0, 3, 3, 1);
    body()->addLayout(grid);
    FormCreate();
}

void TColorMixer::FormCreate()
{
    lColor->setBackColor(colorValue(0, 0, 0));
    // Built once now, so OK before any move gives black rather than nothing.
    ColorChange();
}

void TColorMixer::ColorChange()
{
    const int red = sbRed->value(), green = sbGreen->value(), blue = sbBlue->value();
    const ColorMix mix = colorMix(red, green, blue);
    eValueRed->setText(mix.red);
    eValueGreen->setText(mix.green);
    eValueBlue->setText(mix.blue);
    lColor->setBackColor(colorValue(red, green, blue));
    Color = mix.color;
}
