#include "document/document_file.h"

#include "document/windows1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

constexpr char utf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype utf8BomSize = 3;

bool startsWithBom(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView(utf8Bom, utf8BomSize));
}

// The first line break of the bytes, and whether another style follows it.
void detectLineBreak(QByteArrayView bytes, FileFormat &format) {
    bool seen[3] = {false, false, false};
    int kinds = 0;
    const char *p = bytes.data();
    const char *end = p + bytes.size();
    for (; p < end && kinds < 2; ++p) {
        LineBreak found;
        if (*p == '\n') {
            found = LineBreak::LF;
        } else if (*p == '\r') {
            const bool pair = p + 1 < end && p[1] == '\n';
            found = pair ? LineBreak::CRLF : LineBreak::CR;
            p += pair ? 1 : 0;
        } else {
            continue;
        }
        if (seen[int(found)])
            continue;
        if (kinds == 0)
            format.lineBreak = found;
        seen[int(found)] = true;
        ++kinds;
    }
    format.mixedLineBreaks = kinds > 1;
}

// Turns every CR LF and lone CR of text[0, length) into '\n' in place. A CR at the end sets
// pendingCR so that an LF opening the next piece is dropped. Returns the text that remains.
QStringView unifyLineBreaks(QChar *text, qsizetype length, bool &pendingCR) {
    const qsizetype start = pendingCR && text[0] == u'\n' ? 1 : 0;
    pendingCR = false;
    const qsizetype firstCR = QStringView(text + start, length - start).indexOf(u'\r');
    if (firstCR < 0)
        return QStringView(text + start, length - start);
    qsizetype write = start + firstCR;
    for (qsizetype read = write; read < length; ++read) {
        const QChar c = text[read];
        if (c != u'\r') {
            text[write++] = c;
            continue;
        }
        text[write++] = u'\n';
        if (read + 1 == length)
            pendingCR = true;
        else if (text[read + 1] == u'\n')
            ++read;
    }
    return QStringView(text + start, write - start);
}

// Grows bytes by n and returns where the new bytes go.
char *extend(QByteArray &bytes, qsizetype n) {
    const qsizetype used = bytes.size();
    bytes.resize(used + n);
    return bytes.data() + used;
}

QByteArray startOutput(const LineSource &lines, bool bom) {
    QByteArray bytes;
    const qsizetype hint = lines.characterCountHint();
    // Room for wider line breaks and some multi-byte characters; growth covers the rest.
    bytes.reserve(hint + hint / 4 + utf8BomSize);
    if (bom)
        bytes.append(utf8Bom, utf8BomSize);
    return bytes;
}

QByteArray encodeUtf8(const QByteArray &lineBreak, bool bom, LineSource &lines) {
    QByteArray bytes = startOutput(lines, bom);
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QString line;
    for (bool first = true; lines.next(line); first = false) {
        if (!first)
            bytes.append(lineBreak);
        char *end = encoder.appendToBuffer(extend(bytes, encoder.requiredSpace(line.size())), line);
        bytes.resize(end - bytes.constData());
    }
    return bytes;
}

// False as soon as a line holds a character the code page lacks.
bool encodeWindows1252Lines(const QByteArray &lineBreak, LineSource &lines, QByteArray &bytes) {
    bytes = startOutput(lines, false);
    QString line;
    for (bool first = true; lines.next(line); first = false) {
        if (!first)
            bytes.append(lineBreak);
        if (!encodeWindows1252(line, extend(bytes, line.size())))
            return false;
    }
    return true;
}

QString fileError(const char *action, const QString &path, const QString &reason) {
    return QStringLiteral("Cannot %1 file \"%2\". %3")
        .arg(QLatin1String(action), QDir::toNativeSeparators(path), reason);
}

} // namespace

bool isValidUtf8(QByteArrayView bytes) {
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        // Most HTML is ASCII: skip it eight bytes at a time.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const uchar lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int trail;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
        } else {
            return false;
        }
        if (end - p <= trail || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= trail; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += trail + 1;
    }
    return true;
}

FileFormat detectFileFormat(const QByteArray &bytes) {
    FileFormat format;
    QByteArrayView text(bytes);
    if (startsWithBom(text)) {
        format.bom = true;
        text = text.sliced(utf8BomSize);
    } else if (!isValidUtf8(text)) {
        format.encoding = TextEncoding::Windows1252;
    }
    detectLineBreak(text, format);
    return format;
}

QString lineBreakText(LineBreak lineBreak) {
    switch (lineBreak) {
    case LineBreak::LF:
        return QStringLiteral("\n");
    case LineBreak::CR:
        return QStringLiteral("\r");
    case LineBreak::CRLF:
        break;
    }
    return QStringLiteral("\r\n");
}

FileFormat decodeText(const QByteArray &bytes, const std::function<void(QStringView)> &sink,
                      qsizetype chunkBytes) {
    const FileFormat format = detectFileFormat(bytes);
    QByteArrayView input(bytes);
    if (format.bom)
        input = input.sliced(utf8BomSize);
    chunkBytes = qMax(chunkBytes, qsizetype(1));

    // The BOM is already gone; a second one is text and must stay.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString buffer;
    bool pendingCR = false;
    for (qsizetype pos = 0; pos < input.size(); pos += chunkBytes) {
        const QByteArrayView chunk = input.sliced(pos, qMin(chunkBytes, input.size() - pos));
        QChar *end;
        if (format.encoding == TextEncoding::Utf8) {
            buffer.resize(decoder.requiredSpace(chunk.size()));
            end = decoder.appendToBuffer(buffer.data(), chunk);
        } else {
            buffer.resize(chunk.size());
            end = decodeWindows1252(chunk, buffer.data());
        }
        const qsizetype length = end - buffer.constData();
        if (length == 0) // only the start of a character split by the chunk boundary
            continue;
        const QStringView piece = unifyLineBreaks(buffer.data(), length, pendingCR);
        if (!piece.isEmpty())
            sink(piece);
    }
    return format;
}

LoadResult loadTextFile(const QString &path, const std::function<void(QStringView)> &sink,
                        qsizetype chunkBytes) {
    LoadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = fileError("open", path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = fileError("read", path, file.errorString());
        return result;
    }
    if (bytes.contains('\0')) {
        result.error =
            fileError("open", path, QStringLiteral("It is not a text file (it holds NUL bytes)."));
        return result;
    }
    result.format = decodeText(bytes, sink, chunkBytes);
    result.ok = true;
    return result;
}

QByteArray encodeText(const FileFormat &format, LineSource &lines, bool *switchedToUtf8) {
    const QByteArray lineBreak = lineBreakText(format.lineBreak).toLatin1();
    bool switched = false;
    QByteArray bytes;
    lines.rewind();
    if (format.encoding == TextEncoding::Utf8) {
        bytes = encodeUtf8(lineBreak, format.bom, lines);
    } else if (!encodeWindows1252Lines(lineBreak, lines, bytes)) {
        switched = true;
        lines.rewind();
        bytes = encodeUtf8(lineBreak, false, lines);
    }
    if (switchedToUtf8)
        *switchedToUtf8 = switched;
    return bytes;
}

SaveResult saveTextFile(const QString &path, const FileFormat &format, LineSource &lines) {
    SaveResult result;
    const QByteArray bytes = encodeText(format, lines, &result.switchedToUtf8);
    result.format = format;
    result.format.mixedLineBreaks = false;
    if (result.switchedToUtf8) {
        result.format.encoding = TextEncoding::Utf8;
        result.format.bom = false;
    }

    // QSaveFile writes beside the target and renames only on commit, copying the
    // old file's permissions; the old file is untouched until then.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = fileError("create", path, file.errorString());
        return result;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = fileError("write", path, file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

StringListLineSource::StringListLineSource(QStringList lines) : m_lines(std::move(lines)) {}

void StringListLineSource::rewind() {
    m_next = 0;
}

bool StringListLineSource::next(QString &line) {
    if (m_next >= m_lines.size())
        return false;
    line = m_lines.at(m_next++);
    return true;
}

qsizetype StringListLineSource::characterCountHint() const {
    qsizetype count = m_lines.size();
    for (const QString &line : m_lines)
        count += line.size();
    return count;
}
