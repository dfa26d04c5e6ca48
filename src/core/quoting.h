#pragma once

#include <QString>

// The text in double quotes, with every backslash and double quote escaped by a backslash,
// so a reader that takes the escapes back gets the text exactly.
QString backslashQuoted(const QString &text);
