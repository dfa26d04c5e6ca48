#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// Moves a document's text between disk and memory. In memory every line break is '\n';
// on disk the text keeps the encoding, byte order mark and line-break style it was read with.

enum class TextEncoding { Utf8, Windows1252 };
enum class LineBreak { CRLF, LF, CR };

struct FileFormat { // kept with the document, reused on save
    TextEncoding encoding = TextEncoding::Utf8;
    bool bom = false; // UTF-8 byte order mark
    LineBreak lineBreak = LineBreak::CRLF;
    bool mixedLineBreaks = false; // the file used more than one style; the first found wins

    friend bool operator==(const FileFormat &, const FileFormat &) = default;
};

// BOM, else valid UTF-8, else Windows-1252; the line break is the first one found,
// CRLF when the file has none.
FileFormat detectFileFormat(const QByteArray &bytes);
QString lineBreakText(LineBreak lineBreak);
// Whether bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(QByteArrayView bytes);

struct LoadResult {
    bool ok = false;
    QString error;
    FileFormat format;
};

// Reads the file in pieces of chunkBytes, twice (format first, then text), never whole, and
// hands its decoded text to sink in consecutive pieces of about chunkBytes input bytes each,
// every line break as one '\n', without the BOM. A file holding NUL bytes is refused before
// any text goes out. The error is a complete message naming the file and the reason.
LoadResult loadTextFile(const QString &path, const std::function<void(QStringView)> &sink,
                        qsizetype chunkBytes = 1 << 20);
// The same from bytes already in memory.
FileFormat decodeText(const QByteArray &bytes, const std::function<void(QStringView)> &sink,
                      qsizetype chunkBytes = 1 << 20);

// Lines of a document for saving, visited in order; rewind() starts again.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual void rewind() = 0;
    virtual bool next(QString &line) = 0; // false after the last line
    // About how many characters the lines hold, to size the output once; 0 when unknown.
    virtual qsizetype characterCountHint() const { return 0; }
};

struct SaveResult {
    bool ok = false;
    QString error;
    bool switchedToUtf8 = false;
    FileFormat format; // the format actually written
};

// Writes the lines joined by the format's line break (none after the last line), with the BOM
// when set, in the format's encoding; a character Windows-1252 lacks makes the whole file UTF-8.
// Atomic: the old file stays intact after any failure, and its permissions are kept.
SaveResult saveTextFile(const QString &path, const FileFormat &format, LineSource &lines);
// The bytes saveTextFile writes.
QByteArray encodeText(const FileFormat &format, LineSource &lines, bool *switchedToUtf8 = nullptr);

class StringListLineSource : public LineSource {
public:
    explicit StringListLineSource(QStringList lines);
    void rewind() override;
    bool next(QString &line) override;
    qsizetype characterCountHint() const override;

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};
