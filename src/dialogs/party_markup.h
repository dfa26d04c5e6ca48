#pragma once

#include <QString>
#include <QStringList>

#include <array>

class QRandomGenerator;

// How the letters' sizes run along the text.
enum class PartyLayout { Normal, SmallToBig, SmallToBigToSmall, BigToSmall };

struct PartyValues {
    PartyLayout layout = PartyLayout::Normal;
    std::array<QString, 8> colors; // the colour texts of the numbers 1 to 8
    QString text;
};

// One FONT element per character, the eight colours and the layout's sizes each used in turn,
// then "<BR>". Characters go in unescaped, and a text of any length is written whole.
QStringList partyLines(const PartyValues &values);

// The fifteen plain colours random colours come from: black, maroon, green, olive, navy, purple,
// teal, grey, silver, red, lime, blue, fuchsia, aqua, white.
const std::array<quint32, 15> &partyPalette();

// Eight colours, each drawn on its own from the fifteen plain colours (yellow is not one).
std::array<quint32, 8> randomPartyColors(QRandomGenerator &random);
