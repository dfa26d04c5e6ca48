#include "dialogs/party_markup.h"

#include "core/color_value.h"

#include <QRandomGenerator>

namespace {

// Relative sizes, repeated from the start when used up.
QLatin1String sizesOf(PartyLayout layout)
{
    switch (layout) {
    case PartyLayout::Normal:
        break;
    case PartyLayout::SmallToBig:
        return QLatin1String("01234");
    case PartyLayout::SmallToBigToSmall:
        return QLatin1String("43210123");
    case PartyLayout::BigToSmall:
        return QLatin1String("43210");
    }
    return {};
}

constexpr std::array<quint32, 15> Palette = {
    colorValue(0x00, 0x00, 0x00), colorValue(0x80, 0x00, 0x00), colorValue(0x00, 0x80, 0x00),
    colorValue(0x80, 0x80, 0x00), colorValue(0x00, 0x00, 0x80), colorValue(0x80, 0x00, 0x80),
    colorValue(0x00, 0x80, 0x80), colorValue(0x80, 0x80, 0x80), colorValue(0xC0, 0xC0, 0xC0),
    colorValue(0xFF, 0x00, 0x00), colorValue(0x00, 0xFF, 0x00), colorValue(0x00, 0x00, 0xFF),
    colorValue(0xFF, 0x00, 0xFF), colorValue(0x00, 0xFF, 0xFF), colorValue(0xFF, 0xFF, 0xFF),
};

} // namespace

QStringList partyLines(const PartyValues &values)
{
    const QLatin1String sizes = sizesOf(values.layout);
    const QStringView text(values.text);
    QStringList lines;
    lines.reserve(text.size() + 1);
    qsizetype letter = 0;
    for (qsizetype at = 0; at < text.size(); ++letter) {
        // A character outside the basic plane is one letter, not two halves.
        const qsizetype length =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const QStringView character = text.mid(at, length);
        at += length;
        const QString &color = values.colors[std::size_t(letter % qsizetype(values.colors.size()))];
        if (sizes.isEmpty()) {
            lines.append(QStringLiteral("<FONT COLOR=%1>%2</FONT>").arg(color, character));
        } else {
            lines.append(QStringLiteral("<FONT SIZE=+%1 COLOR=%2>%3</FONT>")
                             .arg(QChar(sizes[letter % sizes.size()]), color, character));
        }
    }
    lines.append(QStringLiteral("<BR>"));
    return lines;
}

const std::array<quint32, 15> &partyPalette()
{
    return Palette;
}

std::array<quint32, 8> randomPartyColors(QRandomGenerator &random)
{
    std::array<quint32, 8> colors{};
    for (quint32 &color : colors)
        color = Palette[random.bounded(int(Palette.size()))];
    return colors;
}
