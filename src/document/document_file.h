#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <limits>

class QIODevice;

// Moves a document's text between disk and memory. In memory every line break is '\n';
// on disk the text keeps the encoding, byte order mark and line-break style it was read with.

enum class TextEncoding { Utf8, Windows1252 };
enum class LineBreak { CRLF, LF, CR };

struct FileFormat { // kept with the document, reused on save
    TextEncoding encoding = TextEncoding::Utf8;
    bool bom = false; // UTF-8 byte order mark
    LineBreak lineBreak = LineBreak::CRLF;
    bool mixedLineBreaks = false; // the file used more than one style; the first found wins
    bool breaksInText = false;    // U+2029, U+FDD0 or U+FDD1, which the editor makes line breaks

    friend bool operator==(const FileFormat &, const FileFormat &) = default;
};

// Valid UTF-8 (after a BOM if there is one), else Windows-1252 (after the BOM's bytes, kept as
// they are); the line break is the first one found, CRLF when the file has none.
FileFormat detectFileFormat(const QByteArray &bytes);
QString lineBreakText(LineBreak lineBreak);

// The editor counts positions, its end included, in int: no file holds more characters than
// bytes, so a file up to this size always fits.
constexpr qint64 MaxTextLength = std::numeric_limits<int>::max() - 1;

struct LoadResult {
    bool ok = false;
    QString error;
    FileFormat format;
};

// Reads the file in pieces of chunkBytes, twice (format first, then text), never whole, and
// hands its decoded text to sink in consecutive pieces of about chunkBytes input bytes each,
// every line break as one '\n', without the BOM. Refused before any text goes out: what is not
// a regular file and what is bigger than MaxTextLength (both before reading), and a file
// holding NUL bytes (at the first one). The error is a complete message naming the file and
// the reason.
LoadResult loadTextFile(const QString &path, const std::function<void(QStringView)> &sink,
                        qsizetype chunkBytes = 1 << 20);
// The same from an open device, read from its start; path names it in messages.
LoadResult loadText(QIODevice &device, const QString &path,
                    const std::function<void(QStringView)> &sink, qsizetype chunkBytes = 1 << 20);
// What saving a file loaded in this format will change, told as the user reads it on opening;
// empty when saving gives back the same bytes.
QString savingChangesNotice(const QString &path, const FileFormat &format);
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
// A write past the process's file-size limit then fails with its error instead of ending the
// program (SIGXFSZ). Call once at start.
void ignoreFileSizeSignal();
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
