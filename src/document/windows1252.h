#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

// Windows-1252 by our own table. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so every
// byte sequence decodes and encodes back to itself.

QChar windows1252ToUnicode(uchar byte);
// The byte for ch, or -1 when the code page has none.
int unicodeToWindows1252(char16_t ch);

// Writes bytes.size() characters to out and returns the end.
QChar *decodeWindows1252(QByteArrayView bytes, QChar *out);
QString decodeWindows1252(QByteArrayView bytes);

// Writes text.size() bytes to out, '?' for a character the code page lacks;
// returns whether every character was encodable.
bool encodeWindows1252(QStringView text, char *out);
QByteArray encodeWindows1252(QStringView text, bool *ok = nullptr);
