#include "document/document_file.h"
#include "document/windows1252.h"
#include "support/fifo_feeder.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

static void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << '"' << bytes.toPercentEncoding(" <>/=&;").constData() << '"';
}

static void PrintTo(const QString &text, std::ostream *os)
{
    PrintTo(text.toUtf8(), os);
}

namespace {

QString fixturePath(const char *name)
{
    return QStringLiteral(PAGEWICK_FIXTURES "/") + QLatin1String(name);
}

// Joins the pieces and checks that no piece is empty.
struct Collector {
    QString text;
    std::function<void(QStringView)> sink()
    {
        return [this](QStringView piece) {
            EXPECT_FALSE(piece.isEmpty());
            text += piece;
        };
    }
};

LoadResult loadBytes(QByteArray bytes, Collector &collector, qsizetype chunkBytes)
{
    QBuffer device(&bytes);
    EXPECT_TRUE(device.open(QIODevice::ReadOnly));
    return loadText(device, "page.htm", collector.sink(), chunkBytes);
}

constexpr FileFormat utf8Crlf{};
constexpr FileFormat w1252{.encoding = TextEncoding::Windows1252};
constexpr FileFormat lf{.lineBreak = LineBreak::LF};
constexpr FileFormat cr{.lineBreak = LineBreak::CR};

// Every byte maps to a character of its own and back; 0x80 to 0x9F as the code page defines
// them, its five gaps as the C1 controls of the same value.
TEST(Windows1252Test, EveryByteMapsToItsCharacterAndBack)
{
    const char16_t high[] = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                            u"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                            u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                            u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t ch = byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte);
        EXPECT_EQ(windows1252ToUnicode(uchar(byte)).unicode(), ch) << std::hex << byte;
        EXPECT_EQ(unicodeToWindows1252(ch), byte) << std::hex << byte;
    }
    for (char16_t lacking : {u'\u0080', u'\u009F', u'\u0151'}) // U+0080 is not the euro's byte
        EXPECT_EQ(unicodeToWindows1252(lacking), -1) << std::hex << int(lacking);
}

// The format is judged and the text decoded alike from the whole bytes and from pieces of
// every size, so a BOM, a CR LF or a UTF-8 character split between pieces counts once.
TEST(DocumentFileFormatTest, FormatAndTextWhateverThePieceBoundaries)
{
    const struct {
        QByteArray bytes;
        FileFormat format;
        QString text;
    } cases[] = {
        {"", utf8Crlf, ""},
        {"plain ascii", utf8Crlf, "plain ascii"},
        {"\xEF\xBB\xBF", {.bom = true}, ""},
        {"\xEF\xBB\xBFx\r\n", {.bom = true}, "x\n"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "A",
         {.bom = true},
         u"\uFEFFA"_qs}, // a second BOM is text
        // A BOM before bytes that are not UTF-8: Windows-1252 after the BOM keeps them exact.
        {"\xEF\xBB\xBF\xC3\xA9\xE9\r\n",
         {.encoding = TextEncoding::Windows1252, .bom = true},
         u"\u00C3\u00A9\u00E9\n"_qs},
        {"\xEF\xBB", w1252, u"\u00EF\u00BB"_qs},
        {"x\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E\r\ny\xC5\x91", utf8Crlf,
         u"x\u00E9\u20AC\U0001D11E\ny\u0151"_qs},
        {"caf\xE9", w1252, u"caf\u00E9"_qs},
        {"aaaaaaaaaaaaaaaaaaaaaaaa\x80", w1252, u"aaaaaaaaaaaaaaaaaaaaaaaa\u20AC"_qs},
        {"\xC0\xAF", w1252, u"\u00C0\u00AF"_qs},                                 // overlong
        {"\xE0\x80\xAF", w1252, u"\u00E0\u20AC\u00AF"_qs},                       // overlong
        {"\xED\xA0\x80", w1252, u"\u00ED\u00A0\u20AC"_qs},                       // surrogate
        {"\xF4\x90\x80\x80", w1252, u"\u00F4\u0090\u20AC\u20AC"_qs},             // past U+10FFFF
        {"\xF0\x8F\xBF\xBF", w1252, u"\u00F0\u008F\u00BF\u00BF"_qs},             // overlong
        {"ab\xE2\x82", w1252, u"ab\u00E2\u201A"_qs},                             // cut short
        {"\xC3\x28", w1252, u"\u00C3("_qs},                                      // bad trail byte
        {"\xE2\x82\x61\xAC", w1252, u"\u00E2\u201Aa\u00AC"_qs},                  // bad trail byte
        {"\xC3\xA9\xC3\xA9 \xE9", w1252, u"\u00C3\u00A9\u00C3\u00A9 \u00E9"_qs}, // bad at the end
        // The first line break found sets the style; another one is flagged.
        {"ab\r\ncd\r\n\r\nef\r\n", utf8Crlf, "ab\ncd\n\nef\n"},
        {"a\nb\n", lf, "a\nb\n"},
        {"a\rb\r\rc\r", cr, "a\nb\n\nc\n"},
        {"a\nb\r\nc", {.lineBreak = LineBreak::LF, .mixedLineBreaks = true}, "a\nb\nc"},
        {"a\r\nb\n", {.mixedLineBreaks = true}, "a\nb\n"},
        {"a\r\r\n", {.lineBreak = LineBreak::CR, .mixedLineBreaks = true}, "a\n\n"},
        {"\xEF\xBB\xBF\n\r",
         {.bom = true, .lineBreak = LineBreak::LF, .mixedLineBreaks = true},
         "\n\n"},
        // Characters the editor turns into line breaks are flagged, their neighbours are not.
        {"\xE2\x80\xA9", {.breaksInText = true}, u"\u2029"_qs},
        {"a\xEF\xB7\x90", {.breaksInText = true}, u"a\uFDD0"_qs},
        {"\xEF\xB7\x91z", {.breaksInText = true}, u"\uFDD1z"_qs},
        {"\xE2\x80\xA8\xEF\xB7\x92\xEF\xBF\xBC", utf8Crlf, u"\u2028\uFDD2\uFFFC"_qs},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        FileFormat judged = c.format;
        judged.breaksInText = false; // found only by decoding
        EXPECT_EQ(detectFileFormat(c.bytes), judged);
        for (qsizetype chunk = 1; chunk <= qMax(c.bytes.size(), qsizetype(1)); ++chunk) {
            Collector decoded;
            EXPECT_EQ(decodeText(c.bytes, decoded.sink(), chunk), c.format) << "chunk " << chunk;
            EXPECT_EQ(decoded.text, c.text) << "chunk " << chunk;
            Collector loaded;
            const LoadResult result = loadBytes(c.bytes, loaded, chunk);
            ASSERT_TRUE(result.ok) << result.error.toStdString();
            EXPECT_EQ(result.format, c.format) << "chunk " << chunk;
            EXPECT_EQ(loaded.text, c.text) << "chunk " << chunk;
        }
    }
}

// The scan for line breaks goes eight bytes at a time: a break at any offset counts.
TEST(DocumentFileFormatTest, LineBreaksAreFoundAtAnyOffsetInLongText)
{
    const QByteArray filler(37, 'y');
    for (int at = 0; at < 40; ++at) {
        const QByteArray lead(at, 'x');
        EXPECT_EQ(detectFileFormat(lead + "\r\n" + filler + "\n" + filler),
                  FileFormat{.mixedLineBreaks = true})
            << at;
        EXPECT_EQ(detectFileFormat(filler + lead + "\n" + filler), lf) << at;
        EXPECT_EQ(detectFileFormat(filler + lead + "\r" + filler + "\r"), cr) << at;
    }
}

// The fixtures load as this text and save back byte for byte.
TEST(DocumentFileGoldenTest, LoadsAndSavesTheSameBytes)
{
    const struct {
        const char *file;
        FileFormat format;
        QString text;
    } fixtures[] = {
        {"utf8.htm", utf8Crlf, u"<P>Gr\u00FC\u00DFe</P>\n<P>na\u00EFve \u0151 \u20AC</P>\n"_qs},
        {"utf8_bom.htm", {.bom = true}, u"<HTML>\n<BODY>\u00C4</BODY>\n</HTML>\n"_qs},
        {"utf8_bom_not_utf8.htm",
         {.encoding = TextEncoding::Windows1252, .bom = true},
         u"<P>caf\u00C3\u00A9 \u00E9</P>\n"_qs},
        {"bom_twice.htm", {.bom = true, .lineBreak = LineBreak::LF}, u"\uFEFFA\n"_qs},
        {"windows1252.htm", w1252, u"<P>caf\u00E9 \u20AC 5</P>\n"_qs},
        {"windows1252_undefined.htm", w1252, u"\u0081\u008D\u008F\u0090\u009D\n\u20AC\u0081\n"_qs},
        {"crlf.htm", utf8Crlf, "<P>one</P>\n<P>two</P>\n"},
        {"lf.htm", lf, "<P>one</P>\n<P>two</P>\n"},
        {"cr.htm", cr, "<P>one</P>\n<P>two</P>\n"},
        {"no_final_break.htm", utf8Crlf, "<P>a</P>\n\n<P>b</P>"},
        {"empty.htm", utf8Crlf, ""},
        {"nbsp_utf8.htm", utf8Crlf, u"A\u00A0B\u00A0\u00A0C\n"_qs},
        {"nbsp_windows1252.htm", w1252, u"A\u00A0B \u00E9\n"_qs},
    };
    QTemporaryDir dir;
    for (const auto &fixture : fixtures) {
        SCOPED_TRACE(fixture.file);
        const QString original = fixturePath(fixture.file);
        Collector collector;
        const LoadResult loaded = loadTextFile(original, collector.sink());
        ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
        EXPECT_EQ(loaded.format, fixture.format);
        EXPECT_EQ(collector.text, fixture.text);

        StringListLineSource source(collector.text.split(u'\n'));
        const QString copy = dir.filePath(QLatin1String(fixture.file));
        const SaveResult saved = saveTextFile(copy, loaded.format, source);
        ASSERT_TRUE(saved.ok) << saved.error.toStdString();
        EXPECT_FALSE(saved.switchedToUtf8);
        EXPECT_EQ(saved.format, fixture.format);
        EXPECT_EQ(readBytes(copy), readBytes(original));
    }
}

// Lines joined by the format's line break, none after the last (the golden files hold the other
// round trips); a character Windows-1252 lacks makes the whole text UTF-8, its BOM kept. C1
// controls have no byte of their own, but for the five the code page leaves undefined.
TEST(DocumentFileEncodeTest, EncodesInTheFormatOrElseWhollyAsUtf8)
{
    const struct {
        FileFormat format;
        QStringList lines;
        QByteArray bytes;
        bool switched = false;
    } cases[] = {
        {lf, {"", "", ""}, "\n\n"},
        {utf8Crlf, {}, ""},
        {utf8Crlf, {""}, ""},
        {{.bom = true}, {""}, "\xEF\xBB\xBF"},
        {w1252,
         {u"caf\u00E9"_qs, u"\u20AC \u0151"_qs},
         "caf\xC3\xA9\r\n\xE2\x82\xAC \xC5\x91",
         true},
        {w1252, {u"\u2603 caf\u00E9"_qs}, "\xE2\x98\x83 caf\xC3\xA9", true},
        {w1252, {u"a\u0080"_qs}, "a\xC2\x80", true},
        {w1252, {u"\u0085"_qs}, "\xC2\x85", true},
        {w1252, {u"\u009F"_qs}, "\xC2\x9F", true},
        {{.encoding = TextEncoding::Windows1252, .bom = true},
         {u"\u0151"_qs},
         "\xEF\xBB\xBF\xC5\x91",
         true},
    };
    for (const auto &c : cases) {
        StringListLineSource source(c.lines);
        bool switched = !c.switched;
        EXPECT_EQ(encodeText(c.format, source, &switched), c.bytes) << c.bytes.toHex().constData();
        EXPECT_EQ(switched, c.switched) << c.bytes.toHex().constData();
    }
}

// --- saving ---

class DocumentFileSaveTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    static QString quoted(const QString &file)
    {
        return u'"' + QDir::toNativeSeparators(file) + u'"';
    }

    QTemporaryDir dir;
};

// Saving streams in pieces: the character Windows-1252 lacks comes after several of them.
TEST_F(DocumentFileSaveTest, SwitchAfterMegabytesAlreadyWrittenStartsTheFileAfresh)
{
    QStringList lines(40000, QStringLiteral("caf\u00E9 au lait, plain text of a line"));
    lines.append(u"\u0151"_qs);
    StringListLineSource source(lines);
    const FileFormat loaded{
        .encoding = TextEncoding::Windows1252, .mixedLineBreaks = true, .breaksInText = true};
    const SaveResult saved = saveTextFile(path("x.htm"), loaded, source);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_TRUE(saved.switchedToUtf8);
    EXPECT_EQ(saved.format, utf8Crlf); // what was written, nothing left to tell on the next save
    EXPECT_EQ(readBytes(path("x.htm")), lines.join("\r\n").toUtf8());
}

// A file that cannot be created is named, the old one stays intact; a replaced file keeps its
// permissions.
TEST_F(DocumentFileSaveTest, SavingReplacesTheFileKeepingItsPermissionsOrLeavesItIntact)
{
    writeBytes(path("page.htm"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("page.htm")).constData(), 0640), 0);
    const struct {
        QString target;
        QString reason; // empty: the system's own words
    } cases[] = {
        {path("missing/page.htm"), "No such file or directory"},
        {path("page.htm/page.htm"), "Not a directory"},
        {path("page.htm"), ""}, // the folder is read-only
    };
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    for (const auto &c : cases) {
        if (c.reason.isEmpty() && ::geteuid() == 0)
            continue; // root writes into read-only folders
        StringListLineSource source({"text"});
        const SaveResult saved = saveTextFile(c.target, utf8Crlf, source);
        EXPECT_FALSE(saved.ok);
        EXPECT_TRUE(
            saved.error.startsWith("Cannot create file " + quoted(c.target) + ". " + c.reason))
            << saved.error.toStdString();
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"page.htm"});
    EXPECT_EQ(readBytes(path("page.htm")), QByteArray("old"));

    StringListLineSource source({"new"});
    ASSERT_TRUE(saveTextFile(path("page.htm"), utf8Crlf, source).ok);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path("page.htm")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(path("page.htm")), QByteArray("new"));
}

// Fails part-way, in one of the pieces written; the window's test fails the final flush.
TEST_F(DocumentFileSaveTest, FailedWriteGivesTheSystemsReasonAndLeavesTheOldFileIntact)
{
    writeBytes(path("page.htm"), "old text\r\n");
    StringListLineSource source(QStringList(20000, QString(60, u'x')));
    SaveResult saved;
    {
        FileSizeLimit limit(64 * 1024);
        saved = saveTextFile(path("page.htm"), utf8Crlf, source);
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "Cannot write file " + quoted(path("page.htm")) + ". File too large");
    EXPECT_EQ(readBytes(path("page.htm")), QByteArray("old text\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.htm"});
}

TEST_F(DocumentFileSaveTest, PassingTheFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    writeBytes(path("page.htm"), "old");
    EXPECT_EXIT(
        {
            ignoreFileSizeSignal();
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1024;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            StringListLineSource source({QString(4096, u'x')});
            std::exit(saveTextFile(path("page.htm"), utf8Crlf, source).ok ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readBytes(path("page.htm")), QByteArray("old"));
}

// --- load errors ---

TEST(DocumentFileLoadTest, NulFarIntoTheFileIsRefusedBeforeAnyTextAndFurtherReading)
{
    QByteArray bytes = QByteArray(5000, 'a') + QByteArray(1, '\0') + QByteArray(1 << 20, 'b');
    QBuffer device(&bytes);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    int pieces = 0;
    const LoadResult loaded = loadText(
        device, "page.htm", [&](QStringView) { ++pieces; }, 1024);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.error,
              "Cannot open file \"page.htm\". It is not a text file (it holds NUL bytes).");
    EXPECT_EQ(pieces, 0);
    EXPECT_LE(device.pos(), 6 * 1024) << "read on past the first NUL";
}

TEST(DocumentFileLoadTest, RefusalsNameTheFileAndTheReason)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.htm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Sparse files: their size alone decides, nothing of them is read.
    const QString tooBig = dir.filePath("big.htm");
    const QString atLimit = dir.filePath("limit.htm");
    for (const auto &[path, size] :
         {std::pair(tooBig, MaxTextLength + 1), {atLimit, MaxTextLength}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    const QString notText = QStringLiteral("It is not a text file (it holds NUL bytes).");
    const QString notRegular = QStringLiteral("It is not a regular file.");
    const struct {
        QString path;
        const char *action;
        QString reason;
    } cases[] = {
        {fixturePath("no_such_file.htm"), "open", "No such file or directory"},
        {fixturePath("nul.htm"), "open", notText},
        {fifo, "open", notRegular},
        {"/dev/zero", "open", notRegular},
        {dir.path(), "open", notRegular},
        {"/proc/self/mem", "read", "Input/output error"},
        {tooBig, "open", "It is too big: the editor holds at most 2147483646 characters."},
        {atLimit, "open", notText},
    };
    for (const auto &c : cases) {
        const FifoFeeder feeder(fifo);
        int pieces = 0;
        const LoadResult loaded = loadTextFile(c.path, [&](QStringView) { ++pieces; });
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.error, QStringLiteral("Cannot %1 file \"%2\". %3")
                                    .arg(c.action, QDir::toNativeSeparators(c.path), c.reason));
        EXPECT_EQ(pieces, 0) << c.path.toStdString();
        EXPECT_FALSE(feeder.readerCame()) << "opened " << fifo.toStdString();
    }
}

TEST(DocumentFileLoadTest, NoticeSaysWhatSavingWillChange)
{
    const struct {
        FileFormat format;
        QString notice;
    } cases[] = {
        {{}, ""},
        {{.encoding = TextEncoding::Windows1252, .bom = true, .lineBreak = LineBreak::CR}, ""},
        {{.mixedLineBreaks = true},
         "The file \"a.htm\" mixes line break styles. Saving it will write every line break as "
         "the first one found."},
        {{.breaksInText = true},
         "The file \"a.htm\" holds characters that the editor turns into line breaks (U+2029, "
         "U+FDD0 or U+FDD1). Saving it will write those characters as line breaks."},
        {{.mixedLineBreaks = true, .breaksInText = true},
         "The file \"a.htm\" mixes line break styles and holds characters that the editor turns "
         "into line breaks (U+2029, U+FDD0 or U+FDD1). Saving it will write every line break as "
         "the first one found and those characters as line breaks."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(savingChangesNotice("a.htm", c.format), c.notice);
}

} // namespace
