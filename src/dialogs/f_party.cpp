#include "dialogs/f_party.h"

#include "controls/choose_dialogs.h"
#include "controls/color_convert.h"
#include "controls/dialog_rows.h"
#include "core/color_value.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

TParty::TParty(QWidget *parent)
    : TStdDialog(QStringLiteral("Party"), QStringLiteral("\"Party\" - tag"), parent),
      m_random(quint32(QDateTime::currentMSecsSinceEpoch()))
{
    DialogRows rows(this);
    QGridLayout *grid = rows.layout();
    ePartyText = newLineEdit(this, "ePartyText");
    ePartyText->setMinimumWidth(240);
    Label3 = rows.labelled(QStringLiteral("Text :"), ePartyText, "Label3");
    rbNormal = newButton<QRadioButton>(this, "rbNormal", QStringLiteral("&normal"));
    rbLeft = newButton<QRadioButton>(this, "rbLeft", QStringLiteral("&small to big"));
    rbCenter = newButton<QRadioButton>(this, "rbCenter", QStringLiteral("s&mall to big to small"));
    rbRight = newButton<QRadioButton>(this, "rbRight", QStringLiteral("&big to small"));
    rbNormal->setChecked(true);
    Label1 = rows.labelled(QStringLiteral("Layout :"), rbNormal, "Label1");
    for (QRadioButton *layout : {rbLeft, rbCenter, rbRight})
        grid->addWidget(layout, grid->rowCount(), 1);
    cbUseColors = rows.checkBox("cbUseColors", QStringLiteral("&Use these colors :"));
    Label2 = new QLabel(QStringLiteral("Click on a number to change the color :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    rows.wide(Label2);

    auto *numbers = new QHBoxLayout;
    for (int n = 0; n < int(sbCol.size()); ++n) {
        const QByteArray name = "sbCol" + QByteArray::number(n + 1);
        QPushButton *number =
            newButton<QPushButton>(this, name.constData(), QStringLiteral("&%1").arg(n + 1));
        number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("88")) + 16);
        numbers->addWidget(number);
        connect(number, &QPushButton::clicked, this, [this, number] { sbColClick(number); });
        sbCol[std::size_t(n)] = number;
        setNumberColor(n, 0);
    }
    numbers->addStretch(1);
    grid->addLayout(numbers, grid->rowCount(), 0, 1, -1);
    sbRandCol =
        newButton<QPushButton>(this, "sbRandCol", QStringLiteral("&Generate random colors"));
    grid->addWidget(sbRandCol, grid->rowCount(), 0, 1, -1, Qt::AlignLeft);
    body()->addLayout(grid);

    connect(cbUseColors, &QCheckBox::toggled, this, &TParty::cbUseColorsClick);
    connect(sbRandCol, &QPushButton::clicked, this, &TParty::sbRandColClick);
    cbUseColorsClick();
}

void TParty::cbUseColorsClick()
{
    // Only the controls: the output always uses the numbers' colours.
    const bool use = cbUseColors->isChecked();
    for (QPushButton *number : sbCol)
        number->setEnabled(use);
    sbRandCol->setEnabled(use);
    Label2->setEnabled(use);
}

quint32 TParty::numberColor(int index) const
{
    return fromQColor(sbCol[std::size_t(index)]->palette().color(QPalette::ButtonText));
}

void TParty::setNumberColor(int index, quint32 color)
{
    QPushButton *number = sbCol[std::size_t(index)];
    // Every colour group, so a disabled number still shows its colour.
    QPalette colors = number->palette();
    colors.setColor(QPalette::ButtonText, toQColor(color));
    number->setPalette(colors);
}

void TParty::sbColClick(QPushButton *Sender)
{
    const int index = int(std::find(sbCol.begin(), sbCol.end(), Sender) - sbCol.begin());
    if (const std::optional<quint32> chosen = chooseColor(this, numberColor(index)))
        setNumberColor(index, *chosen);
}

void TParty::sbRandColClick()
{
    const std::array<quint32, 8> colors = randomPartyColors(m_random);
    for (int n = 0; n < int(colors.size()); ++n)
        setNumberColor(n, colors[std::size_t(n)]);
}

bool TParty::bbOKClick()
{
    if (rbLeft->isChecked())
        Party.layout = PartyLayout::SmallToBig;
    else if (rbCenter->isChecked())
        Party.layout = PartyLayout::SmallToBigToSmall;
    else if (rbRight->isChecked())
        Party.layout = PartyLayout::BigToSmall;
    else
        Party.layout = PartyLayout::Normal;
    for (int n = 0; n < int(sbCol.size()); ++n)
        Party.colors[std::size_t(n)] = ColorToHTML(numberColor(n));
    Party.text = ePartyText->text();
    return true;
}
