#include "settings/registry_file.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

const QString kHeader = QString::fromLatin1(kRegistryFileHeader);

struct ParseFailure {
    int line;
    QString message;
};

// Splits into lines without their CR/LF; a UTF-16LE file (as the system tool exports) is
// accepted too.
QStringList decodeLines(QByteArray bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        QString text = decoder(bytes.mid(2));
        text.remove(QLatin1Char('\r'));
        return text.split(QLatin1Char('\n'));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (!QByteArrayView(bytes).isValidUtf8()) {
        const QList<QByteArray> rawLines = bytes.split('\n');
        for (qsizetype i = 0; i < rawLines.size(); ++i) {
            if (!QByteArrayView(rawLines.at(i)).isValidUtf8())
                throw ParseFailure{int(i) + 1, QStringLiteral("the text is not valid UTF-8")};
        }
    }
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool allBlank(const QStringList &lines)
{
    return std::all_of(lines.cbegin(), lines.cend(),
                       [](const QString &line) { return line.trimmed().isEmpty(); });
}

// Reads the quoted text starting at pos (the opening quote) and leaves pos after its end.
QString readQuoted(const QString &line, qsizetype &pos, int lineNo)
{
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line.at(pos);
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c == QLatin1Char('\\')) {
            const QChar next = pos + 1 < line.size() ? line.at(pos + 1) : QChar();
            if (next != QLatin1Char('\\') && next != QLatin1Char('"'))
                throw ParseFailure{lineNo, QStringLiteral("a backslash in quotes must be "
                                                          "followed by \\ or \"")};
            text.append(next);
            ++pos;
        } else {
            text.append(c);
        }
    }
    throw ParseFailure{lineNo, QStringLiteral("a closing quote is missing")};
}

void skipSpaces(const QString &line, qsizetype &pos)
{
    while (pos < line.size() && line.at(pos).isSpace())
        ++pos;
}

QByteArray parseHexBytes(const QString &text, int lineNo)
{
    QByteArray bytes;
    const QStringList tokens = text.split(QLatin1Char(','));
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString token = tokens.at(i).trimmed();
        if (token.isEmpty() && i == tokens.size() - 1)
            break;
        bool ok = false;
        const uint byte = token.toUInt(&ok, 16);
        if (!ok || token.size() > 2)
            throw ParseFailure{lineNo, QStringLiteral("\"%1\" is not a hex byte").arg(token)};
        bytes.append(char(byte));
    }
    return bytes;
}

QString fromUtf16Le(const QByteArray &bytes, int lineNo)
{
    if (bytes.size() % 2 != 0)
        throw ParseFailure{lineNo, QStringLiteral("a text value needs an even number of bytes")};
    QString text;
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        text.append(QChar(char16_t(uchar(bytes.at(i)) | uchar(bytes.at(i + 1)) << 8)));
    if (text.endsWith(QChar(u'\0')))
        text.chop(1);
    return text;
}

RegistryValue hexValue(int hexType, const QByteArray &bytes, int lineNo)
{
    RegistryValue value;
    if (hexType == 1 || hexType == 2) {
        value.type = hexType == 1 ? RegistryValue::Type::String : RegistryValue::Type::ExpandString;
        value.text = fromUtf16Le(bytes, lineNo);
    } else if (hexType == 4 && bytes.size() == 4) {
        value.type = RegistryValue::Type::Dword;
        for (int i = 3; i >= 0; --i)
            value.dword = value.dword << 8 | uchar(bytes.at(i));
    }
    return value;
}

class Parser {
public:
    explicit Parser(QStringList lines) : m_lines(std::move(lines)) {}

    RegFileDocument run()
    {
        RegFileDocument document;
        if (allBlank(m_lines))
            return document;
        const QString header = m_lines.first().trimmed();
        if (header != kHeader && header != QLatin1String("REGEDIT4"))
            throw ParseFailure{1, QStringLiteral("the first line must be \"%1\"").arg(kHeader)};
        RegFileKey *key = nullptr;
        for (m_index = 1; m_index < m_lines.size(); ++m_index) {
            const QString &raw = m_lines.at(m_index);
            const QString line = raw.trimmed();
            if (line.isEmpty())
                continue;
            if (line.startsWith(QLatin1Char(';'))) {
                if (key)
                    key->put(RegFileEntry{true, {}, {}, raw});
                else
                    document.preamble.append(raw);
            } else if (line.startsWith(QLatin1Char('['))) {
                key = &openKey(document, line);
            } else if (line.startsWith(QLatin1Char('"')) || line.startsWith(QLatin1Char('@'))) {
                if (!key)
                    fail(QStringLiteral("a value comes before the first [key] line"));
                key->put(parseValue(line));
            } else {
                fail(QStringLiteral("the line is neither a [key] nor a \"value\"=... line"));
            }
        }
        return document;
    }

private:
    [[noreturn]] void fail(const QString &message) const { throw ParseFailure{lineNo(), message}; }

    int lineNo() const { return int(m_index) + 1; }

    RegFileKey &openKey(RegFileDocument &document, const QString &line) const
    {
        if (!line.endsWith(QLatin1Char(']')))
            fail(QStringLiteral("a key line must end with ]"));
        const QString path = line.mid(1, line.size() - 2);
        if (normalizedKeyPath(path).isEmpty())
            fail(QStringLiteral("the key name is empty"));
        return document.ensureKey(path);
    }

    RegFileEntry parseValue(const QString &line)
    {
        RegFileEntry entry;
        entry.verbatim = m_lines.at(m_index);
        qsizetype pos = 0;
        if (line.startsWith(QLatin1Char('@')))
            pos = 1;
        else
            entry.name = readQuoted(line, pos, lineNo());
        skipSpaces(line, pos);
        if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
            fail(QStringLiteral("= is missing after the value name"));
        ++pos;
        skipSpaces(line, pos);
        const QString data = line.mid(pos);
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype textPos = pos;
            entry.value.type = RegistryValue::Type::String;
            entry.value.text = readQuoted(line, textPos, lineNo());
            if (textPos != line.size())
                fail(QStringLiteral("unexpected text after the closing quote"));
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6).trimmed();
            bool ok = false;
            entry.value.type = RegistryValue::Type::Dword;
            entry.value.dword = digits.toUInt(&ok, 16);
            if (!ok || digits.size() > 8)
                fail(QStringLiteral("dword: needs one to eight hex digits"));
        } else if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            entry.value = parseHex(data, entry.verbatim);
        } else if (data == QLatin1String("-")) {
            entry.removed = true;
        } else {
            fail(QStringLiteral("the value is neither \"text\", dword: nor hex"));
        }
        return entry;
    }

    // hex:..., hex(N):... with "\" continuing the bytes on the next line.
    RegistryValue parseHex(const QString &data, QString &verbatim)
    {
        const int firstLine = lineNo();
        int hexType = 3;
        qsizetype colon = data.indexOf(QLatin1Char(':'));
        if (colon < 0)
            fail(QStringLiteral("hex needs a : before its bytes"));
        const QString kind = data.left(colon).toLower();
        if (kind != QLatin1String("hex")) {
            bool ok = false;
            hexType = kind.startsWith(QLatin1String("hex(")) && kind.endsWith(QLatin1Char(')'))
                          ? kind.mid(4, kind.size() - 5).toInt(&ok, 16)
                          : 0;
            if (!ok)
                fail(QStringLiteral("\"%1\" is not hex or hex(N)").arg(data.left(colon)));
        }
        QString bytes = data.mid(colon + 1).trimmed();
        while (bytes.endsWith(QLatin1Char('\\'))) {
            bytes.chop(1);
            if (m_index + 1 >= m_lines.size() || m_lines.at(m_index + 1).trimmed().isEmpty())
                fail(QStringLiteral("a continued value is followed by an empty line"));
            ++m_index;
            verbatim += QLatin1Char('\n') + m_lines.at(m_index);
            bytes += m_lines.at(m_index).trimmed();
        }
        return hexValue(hexType, parseHexBytes(bytes, firstLine), firstLine);
    }

    QStringList m_lines;
    qsizetype m_index = 0;
};

} // namespace

RegFileParseResult parseRegistryFile(const QByteArray &bytes)
{
    RegFileParseResult result;
    try {
        result.document = Parser(decodeLines(bytes)).run();
    } catch (const ParseFailure &failure) {
        result.errorLine = failure.line;
        result.error = failure.message;
    }
    return result;
}
