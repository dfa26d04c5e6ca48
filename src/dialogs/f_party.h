#pragma once

#include "controls/std_dialog.h"
#include "dialogs/party_markup.h"

#include <QRandomGenerator>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Party text: a text, a layout of letter sizes and eight colours, one per number button.
class TParty : public TStdDialog {
    Q_OBJECT

public:
    explicit TParty(QWidget *parent = nullptr);

    QLabel *Label3;
    QLineEdit *ePartyText;
    QLabel *Label1;
    QRadioButton *rbNormal, *rbLeft, *rbCenter, *rbRight;
    QCheckBox *cbUseColors;
    QLabel *Label2;
    // sbCol1 to sbCol8: colour n is the caption colour of number n.
    std::array<QPushButton *, 8> sbCol{};
    QPushButton *sbRandCol;
    // Filled on OK.
    PartyValues Party;

    void cbUseColorsClick();
    void sbColClick(QPushButton *Sender);
    void sbRandColClick();
    quint32 numberColor(int index) const;

protected:
    bool bbOKClick() override;

private:
    void setNumberColor(int index, quint32 color);

    // Seeded from the clock once, so that every click draws afresh.
    QRandomGenerator m_random;
};
