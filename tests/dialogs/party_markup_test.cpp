#include "core/color_value.h"
#include "dialogs/party_markup.h"

#include <QRandomGenerator>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const std::array<QString, 8> Numbered = {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"};

TEST(PartyMarkup, OneFontLinePerCharacterWithColoursAndSizesInTurnThenABreak)
{
    const struct {
        PartyLayout layout;
        std::array<QString, 8> colors;
        QString text;
        QStringList lines;
    } rows[] = {
        {PartyLayout::Normal,
         {"#000000", "#000000", "#000000", "#000000", "#000000", "#000000", "#000000", "#000000"},
         "Hi",
         {"<FONT COLOR=#000000>H</FONT>", "<FONT COLOR=#000000>i</FONT>", "<BR>"}},
        {PartyLayout::SmallToBig,
         Numbered,
         "abcdefghijk",
         {"<FONT SIZE=+0 COLOR=c1>a</FONT>", "<FONT SIZE=+1 COLOR=c2>b</FONT>",
          "<FONT SIZE=+2 COLOR=c3>c</FONT>", "<FONT SIZE=+3 COLOR=c4>d</FONT>",
          "<FONT SIZE=+4 COLOR=c5>e</FONT>", "<FONT SIZE=+0 COLOR=c6>f</FONT>",
          "<FONT SIZE=+1 COLOR=c7>g</FONT>", "<FONT SIZE=+2 COLOR=c8>h</FONT>",
          "<FONT SIZE=+3 COLOR=c1>i</FONT>", "<FONT SIZE=+4 COLOR=c2>j</FONT>",
          "<FONT SIZE=+0 COLOR=c3>k</FONT>", "<BR>"}},
        {PartyLayout::SmallToBigToSmall,
         Numbered,
         "0123456789",
         {"<FONT SIZE=+4 COLOR=c1>0</FONT>", "<FONT SIZE=+3 COLOR=c2>1</FONT>",
          "<FONT SIZE=+2 COLOR=c3>2</FONT>", "<FONT SIZE=+1 COLOR=c4>3</FONT>",
          "<FONT SIZE=+0 COLOR=c5>4</FONT>", "<FONT SIZE=+1 COLOR=c6>5</FONT>",
          "<FONT SIZE=+2 COLOR=c7>6</FONT>", "<FONT SIZE=+3 COLOR=c8>7</FONT>",
          "<FONT SIZE=+4 COLOR=c1>8</FONT>", "<FONT SIZE=+3 COLOR=c2>9</FONT>", "<BR>"}},
        // Blanks, markup and characters beyond the basic plane each make one whole letter.
        {PartyLayout::BigToSmall,
         Numbered,
         "a <\U0001F600&x",
         {"<FONT SIZE=+4 COLOR=c1>a</FONT>", "<FONT SIZE=+3 COLOR=c2> </FONT>",
          "<FONT SIZE=+2 COLOR=c3><</FONT>", "<FONT SIZE=+1 COLOR=c4>\U0001F600</FONT>",
          "<FONT SIZE=+0 COLOR=c5>&</FONT>", "<FONT SIZE=+4 COLOR=c6>x</FONT>", "<BR>"}},
        {PartyLayout::BigToSmall, Numbered, "", {"<BR>"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(partyLines({row.layout, row.colors, row.text}), row.lines)
            << row.text.toStdString();

    // Longer than a byte can count: written whole, the cycles going on.
    const QStringList lines = partyLines({PartyLayout::BigToSmall, Numbered, QString(300, 'x')});
    ASSERT_EQ(lines.size(), 301);
    EXPECT_EQ(lines[299], "<FONT SIZE=+0 COLOR=c4>x</FONT>");
}

TEST(PartyMarkup, RandomColoursAreDrawnOneByOneFromTheFifteenPlainColours)
{
    QStringList palette;
    for (quint32 color : partyPalette())
        palette << ColorToHTML(color);
    EXPECT_EQ(palette, QStringList({"#000000", "#800000", "#008000", "#808000", "#000080",
                                    "#800080", "#008080", "#808080", "#C0C0C0", "#FF0000",
                                    "#00FF00", "#0000FF", "#FF00FF", "#00FFFF", "#FFFFFF"}));

    QRandomGenerator random(42);
    QSet<quint32> drawn;
    for (int draw = 0; draw < 50; ++draw) {
        const std::array<quint32, 8> colors = randomPartyColors(random);
        EXPECT_GT(QSet<quint32>(colors.begin(), colors.end()).size(), 1);
        drawn.unite(QSet<quint32>(colors.begin(), colors.end()));
    }
    EXPECT_EQ(drawn, QSet<quint32>(partyPalette().begin(), partyPalette().end()));
}

} // namespace
