#include "document/windows1252.h"

#include <array>

namespace {

// 0x80..0x9F; everything else is the Latin-1 code point of the same value.
constexpr std::array<char16_t, 32> highTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = (i >= 0x80 && i < 0xA0) ? highTable[i - 0x80] : char16_t(i);
    return table;
}

constexpr std::array<char16_t, 256> toUnicodeTable = makeTable();

} // namespace

QChar windows1252ToUnicode(uchar byte)
{
    return QChar(toUnicodeTable[byte]);
}

int unicodeToWindows1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < int(highTable.size()); ++i) {
        if (highTable[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

QChar *decodeWindows1252(QByteArrayView bytes, QChar *out)
{
    for (char byte : bytes)
        *out++ = QChar(toUnicodeTable[uchar(byte)]);
    return out;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252(bytes, text.data());
    return text;
}

bool encodeWindows1252(QStringView text, char *out)
{
    bool ok = true;
    for (QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch < 0x80) {
            *out++ = char(ch);
            continue;
        }
        const int byte = unicodeToWindows1252(ch);
        ok = ok && byte >= 0;
        *out++ = byte >= 0 ? char(byte) : '?';
    }
    return ok;
}

QByteArray encodeWindows1252(QStringView text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const bool allEncoded = encodeWindows1252(text, bytes.data());
    if (ok)
        *ok = allEncoded;
    return bytes;
}
