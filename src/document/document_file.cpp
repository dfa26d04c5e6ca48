#include "document/document_file.h"

#include "document/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

constexpr char utf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype utf8BomSize = 3;

bool startsWithBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(utf8Bom, utf8BomSize));
}

// Turns every CR LF and lone CR of text[0, length) into '\n' in place. A CR at the end sets
// pendingCR so that an LF opening the next piece is dropped. Returns the text that remains.
QStringView unifyLineBreaks(QChar *text, qsizetype length, bool &pendingCR)
{
    const qsizetype start = pendingCR && text[0] == u'\n' ? 1 : 0;
    pendingCR = false;
    qsizetype read = start;
    qsizetype write = start;
    // Whole runs between CRs move at once.
    for (;;) {
        const qsizetype cr = QStringView(text + read, length - read).indexOf(u'\r');
        const qsizetype run = cr < 0 ? length - read : cr;
        if (write != read)
            std::memmove(text + write, text + read, run * sizeof(QChar));
        write += run;
        read += run;
        if (read == length)
            break;
        text[write++] = u'\n';
        if (++read == length)
            pendingCR = true;
        else if (text[read] == u'\n')
            ++read;
    }
    return QStringView(text + start, write - start);
}

// The first CR or LF in [p, end), else end. Eight bytes at a time: most bytes are neither.
const char *findLineBreak(const char *p, const char *end)
{
    static_assert(std::endian::native == std::endian::little);
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, sizeof word);
        const quint64 cr = word ^ (ones * '\r');
        const quint64 lf = word ^ (ones * '\n');
        // The lowest flagged byte is exactly the first zero byte of cr or lf.
        const quint64 zero = (((cr - ones) & ~cr) | ((lf - ones) & ~lf)) & highs;
        if (zero)
            return p + std::countr_zero(zero) / 8;
    }
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

// How many bytes the UTF-8 sequence led by this byte takes; 0 for a byte that leads none.
int utf8SequenceLength(uchar lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The bytes at the end that start a UTF-8 sequence the next piece has to finish.
qsizetype unfinishedUtf8Tail(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= qMin(bytes.size(), qsizetype(3)); ++back) {
        const uchar byte = uchar(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        return utf8SequenceLength(byte) > back ? back : 0;
    }
    return 0;
}

// Gathers the format of a text handed over in consecutive pieces, so that a file can be
// judged without holding it whole: BOM, UTF-8 validity, first line break, NUL bytes.
class FormatScanner {
public:
    void feed(QByteArrayView bytes)
    {
        if (bytes.contains('\0'))
            m_nul = true;
        if (m_head.size() < utf8BomSize) {
            const qsizetype taken = qMin(bytes.size(), utf8BomSize - m_head.size());
            m_head.append(bytes.first(taken));
            bytes = bytes.sliced(taken);
            if (m_head.size() < utf8BomSize)
                return;
            m_format.bom = startsWithBom(m_head);
            if (!m_format.bom)
                scan(m_head);
        }
        scan(bytes);
    }

    bool holdsNul() const { return m_nul; }

    // Call once, after the last piece.
    FileFormat finish()
    {
        if (m_head.size() < utf8BomSize) // a text too short for a BOM
            scan(m_head);
        if (m_pendingCR)
            noteLineBreak(LineBreak::CR);
        if (!m_valid || !m_unfinished.isEmpty())
            m_format.encoding = TextEncoding::Windows1252;
        m_format.mixedLineBreaks = m_kinds > 1;
        return m_format;
    }

private:
    void scan(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return;
        if (m_valid)
            checkUtf8(bytes);
        scanLineBreaks(bytes);
    }

    void checkUtf8(QByteArrayView bytes)
    {
        if (!m_unfinished.isEmpty()) {
            const qsizetype wanted = utf8SequenceLength(uchar(m_unfinished[0]));
            const qsizetype taken = qMin(bytes.size(), wanted - m_unfinished.size());
            m_unfinished.append(bytes.first(taken));
            bytes = bytes.sliced(taken);
            if (m_unfinished.size() < wanted)
                return;
            m_valid = QByteArrayView(m_unfinished).isValidUtf8();
            m_unfinished.clear();
        }
        const qsizetype tail = unfinishedUtf8Tail(bytes);
        m_valid = m_valid && bytes.chopped(tail).isValidUtf8();
        m_unfinished = bytes.last(tail).toByteArray();
    }

    void scanLineBreaks(QByteArrayView bytes)
    {
        const char *p = bytes.data();
        const char *end = p + bytes.size();
        if (m_pendingCR) {
            m_pendingCR = false;
            const bool pair = *p == '\n';
            noteLineBreak(pair ? LineBreak::CRLF : LineBreak::CR);
            p += pair ? 1 : 0;
        }
        for (; m_kinds < 2 && (p = findLineBreak(p, end)) < end; ++p) {
            if (*p == '\n') {
                noteLineBreak(LineBreak::LF);
            } else if (*p == '\r') {
                if (p + 1 == end) {
                    m_pendingCR = true; // the next piece tells CR from CR LF
                } else {
                    const bool pair = p[1] == '\n';
                    noteLineBreak(pair ? LineBreak::CRLF : LineBreak::CR);
                    p += pair ? 1 : 0;
                }
            }
        }
    }

    void noteLineBreak(LineBreak found)
    {
        if (m_seen[int(found)])
            return;
        if (m_kinds == 0)
            m_format.lineBreak = found;
        m_seen[int(found)] = true;
        ++m_kinds;
    }

    FileFormat m_format;
    QByteArray m_head; // the first bytes, until the BOM question is settled
    bool m_nul = false;
    bool m_valid = true;
    QByteArray m_unfinished; // a UTF-8 sequence split by the end of the last piece
    bool m_seen[3] = {false, false, false};
    int m_kinds = 0;
    bool m_pendingCR = false;
};

// U+2029, U+FDD0 and U+FDD1 end a block in the editor, as a line break does.
bool holdsEditorBreak(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar ch) {
        return ch.unicode() == 0x2029 || (ch.unicode() | 1) == 0xFDD1;
    });
}

// Decodes consecutive pieces of a text in a known format and hands out the text, every line
// break as one '\n', without the BOM.
class PieceDecoder {
public:
    PieceDecoder(const FileFormat &format, const std::function<void(QStringView)> &sink)
        : m_format(format), m_sink(sink), m_skip(format.bom ? utf8BomSize : 0)
    {
    }

    void feed(QByteArrayView chunk)
    {
        const qsizetype skipped = qMin(m_skip, chunk.size());
        m_skip -= skipped;
        chunk = chunk.sliced(skipped);
        if (chunk.isEmpty())
            return;
        QChar *end;
        if (m_format.encoding == TextEncoding::Utf8) {
            m_buffer.resize(m_decoder.requiredSpace(chunk.size()));
            end = m_decoder.appendToBuffer(m_buffer.data(), chunk);
        } else {
            m_buffer.resize(chunk.size());
            end = decodeWindows1252(chunk, m_buffer.data());
        }
        const qsizetype length = end - m_buffer.constData();
        if (length == 0) // only the start of a character split by the chunk boundary
            return;
        const QStringView piece = unifyLineBreaks(m_buffer.data(), length, m_pendingCR);
        m_breaksInText = m_breaksInText || holdsEditorBreak(piece);
        if (!piece.isEmpty())
            m_sink(piece);
    }

    bool breaksInText() const { return m_breaksInText; }

private:
    FileFormat m_format;
    const std::function<void(QStringView)> &m_sink;
    qsizetype m_skip;
    // The BOM is already gone; a second one is text and must stay.
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom};
    QString m_buffer;
    bool m_pendingCR = false;
    bool m_breaksInText = false;
};

// Grows bytes by n and returns where the new bytes go.
char *extend(QByteArray &bytes, qsizetype n)
{
    const qsizetype used = bytes.size();
    bytes.resize(used + n);
    return bytes.data() + used;
}

// Where encoded bytes go; false when they could not be written.
using ByteSink = std::function<bool(QByteArrayView)>;

enum class Encoded { Done, Unencodable, WriteFailed };

// Encodes the lines piece by piece into out, so no whole encoded copy of a big text is held.
// Windows-1252 stops at the first character the code page lacks.
Encoded encodeLines(TextEncoding encoding, bool bom, const QByteArray &lineBreak, LineSource &lines,
                    const ByteSink &out)
{
    constexpr qsizetype pieceSize = 1 << 20;
    QByteArray piece;
    // A small text needs no piece of full size: at most three bytes per character.
    piece.reserve(qMin(lines.characterCountHint() * 3 + 8, pieceSize + pieceSize / 4));
    if (bom)
        piece.append(utf8Bom, utf8BomSize);
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QString line;
    lines.rewind();
    for (bool first = true; lines.next(line); first = false) {
        if (!first)
            piece.append(lineBreak);
        if (encoding == TextEncoding::Utf8) {
            char *end = utf8.appendToBuffer(extend(piece, utf8.requiredSpace(line.size())), line);
            piece.resize(end - piece.constData());
        } else if (!encodeWindows1252(line, extend(piece, line.size()))) {
            return Encoded::Unencodable;
        }
        if (piece.size() >= pieceSize) {
            if (!out(piece))
                return Encoded::WriteFailed;
            piece.resize(0);
        }
    }
    return out(piece) ? Encoded::Done : Encoded::WriteFailed;
}

// Encodes in the format's encoding, or as UTF-8 when Windows-1252 cannot hold the text;
// begin() is called before each attempt so the sink can start afresh.
Encoded encodeWithFallback(const FileFormat &format, LineSource &lines,
                           const std::function<void()> &begin, const ByteSink &out,
                           bool &switchedToUtf8)
{
    const QByteArray lineBreak = lineBreakText(format.lineBreak).toLatin1();
    begin();
    Encoded encoded = encodeLines(format.encoding, format.bom, lineBreak, lines, out);
    switchedToUtf8 = encoded == Encoded::Unencodable;
    if (switchedToUtf8) {
        begin();
        encoded = encodeLines(TextEncoding::Utf8, format.bom, lineBreak, lines, out);
    }
    return encoded;
}

QString fileError(const char *action, const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot %1 file \"%2\". %3")
        .arg(QLatin1String(action), QDir::toNativeSeparators(path), reason);
}

// Runs a read or write of device; on failure keeps the system's reason in error, as Qt leaves
// "Unknown error" for some (a short write on a full disk, a device that fails a read).
bool attempt(const QIODevice &device, QString &error, const std::function<bool()> &operation)
{
    errno = 0;
    if (operation())
        return true;
    const int code = errno;
    if (error.isEmpty())
        error = code ? QString::fromLocal8Bit(std::strerror(code)) : device.errorString();
    return false;
}

} // namespace

FileFormat detectFileFormat(const QByteArray &bytes)
{
    FormatScanner scanner;
    scanner.feed(bytes);
    return scanner.finish();
}

QString lineBreakText(LineBreak lineBreak)
{
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
                      qsizetype chunkBytes)
{
    FileFormat format = detectFileFormat(bytes);
    QByteArrayView input(bytes);
    if (format.bom)
        input = input.sliced(utf8BomSize);
    chunkBytes = qMax(chunkBytes, qsizetype(1));
    PieceDecoder decoder({.encoding = format.encoding}, sink);
    for (qsizetype pos = 0; pos < input.size(); pos += chunkBytes)
        decoder.feed(input.sliced(pos, qMin(chunkBytes, input.size() - pos)));
    format.breaksInText = decoder.breaksInText();
    return format;
}

LoadResult loadTextFile(const QString &path, const std::function<void(QStringView)> &sink,
                        qsizetype chunkBytes)
{
    LoadResult result;
    // Judged before opening: opening a FIFO waits for a writer, reading a device may never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.error = fileError("open", path, QStringLiteral("It is not a regular file."));
        return result;
    }
    if (info.size() > MaxTextLength) {
        result.error = fileError("open", path,
                                 QStringLiteral("It is too big: the editor holds at most %1 "
                                                "characters.")
                                     .arg(MaxTextLength));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = fileError("open", path, file.errorString());
        return result;
    }
    return loadText(file, path, sink, chunkBytes);
}

LoadResult loadText(QIODevice &device, const QString &path,
                    const std::function<void(QStringView)> &sink, qsizetype chunkBytes)
{
    LoadResult result;
    QByteArray chunk(qMax(chunkBytes, qsizetype(1)), Qt::Uninitialized);
    QString reason;
    // Reads piece by piece until the end or until take returns false; false after a read error.
    const auto readAll = [&](const auto &take) {
        for (;;) {
            qint64 got = 0;
            if (!attempt(device, reason,
                         [&] { return (got = device.read(chunk.data(), chunk.size())) >= 0; })) {
                result.error = fileError("read", path, reason);
                return false;
            }
            if (got == 0 || !take(QByteArrayView(chunk.constData(), got)))
                return true;
        }
    };

    // A first pass settles the format and refuses binary files before any text goes out;
    // the second decodes. Neither holds the whole file.
    FormatScanner scanner;
    if (!readAll([&](QByteArrayView bytes) {
            scanner.feed(bytes);
            return !scanner.holdsNul();
        }))
        return result;
    if (scanner.holdsNul()) {
        result.error =
            fileError("open", path, QStringLiteral("It is not a text file (it holds NUL bytes)."));
        return result;
    }
    result.format = scanner.finish();
    if (!attempt(device, reason, [&] { return device.seek(0); })) {
        result.error = fileError("read", path, reason);
        return result;
    }
    PieceDecoder decoder(result.format, sink);
    if (!readAll([&](QByteArrayView bytes) {
            decoder.feed(bytes);
            return true;
        }))
        return result;
    result.format.breaksInText = decoder.breaksInText();
    result.ok = true;
    return result;
}

QString savingChangesNotice(const QString &path, const FileFormat &format)
{
    QStringList found;
    QStringList written;
    if (format.mixedLineBreaks) {
        found << QStringLiteral("mixes line break styles");
        written << QStringLiteral("every line break as the first one found");
    }
    if (format.breaksInText) {
        found << QStringLiteral("holds characters that the editor turns into line breaks "
                                "(U+2029, U+FDD0 or U+FDD1)");
        written << QStringLiteral("those characters as line breaks");
    }
    if (found.isEmpty())
        return {};
    return QStringLiteral("The file \"%1\" %2. Saving it will write %3.")
        .arg(QDir::toNativeSeparators(path), found.join(QLatin1String(" and ")),
             written.join(QLatin1String(" and ")));
}

QByteArray encodeText(const FileFormat &format, LineSource &lines, bool *switchedToUtf8)
{
    QByteArray bytes;
    bool switched = false;
    encodeWithFallback(
        format, lines,
        [&] {
            bytes.clear();
            bytes.reserve(lines.characterCountHint() + lines.characterCountHint() / 4 + 8);
        },
        [&](QByteArrayView piece) {
            bytes.append(piece);
            return true;
        },
        switched);
    if (switchedToUtf8)
        *switchedToUtf8 = switched;
    return bytes;
}

SaveResult saveTextFile(const QString &path, const FileFormat &format, LineSource &lines)
{
    SaveResult result;
    // QSaveFile writes beside the target and renames only on commit, copying the
    // old file's permissions; the old file is untouched until then.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = fileError("create", path, file.errorString());
        return result;
    }
    QString reason;
    const Encoded encoded = encodeWithFallback(
        format, lines,
        [&file] {
            file.seek(0);
            file.resize(0);
        },
        [&](QByteArrayView piece) {
            return attempt(file, reason,
                           [&] { return file.write(piece.data(), piece.size()) == piece.size(); });
        },
        result.switchedToUtf8);
    // commit() succeeds even when buffered data never reached the disk; flush() tells.
    if (encoded != Encoded::Done || !attempt(file, reason, [&] { return file.flush(); }) ||
        !file.commit()) {
        result.error = fileError("write", path, reason.isEmpty() ? file.errorString() : reason);
        return result;
    }
    result.format = format;
    result.format.mixedLineBreaks = false;
    result.format.breaksInText = false;
    if (result.switchedToUtf8)
        result.format.encoding = TextEncoding::Utf8;
    result.ok = true;
    return result;
}

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

StringListLineSource::StringListLineSource(QStringList lines) : m_lines(std::move(lines)) {}

void StringListLineSource::rewind()
{
    m_next = 0;
}

bool StringListLineSource::next(QString &line)
{
    if (m_next >= m_lines.size())
        return false;
    line = m_lines.at(m_next++);
    return true;
}

qsizetype StringListLineSource::characterCountHint() const
{
    qsizetype count = m_lines.size();
    for (const QString &line : m_lines)
        count += line.size();
    return count;
}
