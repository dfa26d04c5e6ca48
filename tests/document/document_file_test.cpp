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

static void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toUtf8().toPercentEncoding(" <>/=&;").constData() << '"';
}

static void PrintTo(const QByteArray &bytes, std::ostream *os) {
    *os << '"' << bytes.toPercentEncoding(" <>/=&;").constData() << '"';
}

namespace {

QString fixturePath(const char *name) {
    return QStringLiteral(PAGEWICK_FIXTURES "/") + QLatin1String(name);
}

// Joins the pieces and checks that no piece is empty.
struct Collector {
    QString text;
    int pieces = 0;
    std::function<void(QStringView)> sink() {
        return [this](QStringView piece) {
            EXPECT_FALSE(piece.isEmpty());
            text += piece;
            ++pieces;
        };
    }
};

QString decodeAll(const QByteArray &bytes, qsizetype chunkBytes, FileFormat *format = nullptr) {
    Collector collector;
    const FileFormat found = decodeText(bytes, collector.sink(), chunkBytes);
    if (format)
        *format = found;
    return collector.text;
}

QByteArray encodeLines(const FileFormat &format, const QStringList &lines,
                       bool *switched = nullptr) {
    StringListLineSource source(lines);
    return encodeText(format, source, switched);
}

constexpr FileFormat utf8Crlf{};
constexpr FileFormat windows1252Crlf{.encoding = TextEncoding::Windows1252};

// --- Windows-1252 table ---

TEST(Windows1252Test, DecodesCodePageCharacters) {
    // 0x80 to 0x9F, as the code page defines them; its five gaps are the C1 controls.
    const char16_t high[] = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                            u"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                            u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                            u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    for (int byte = 0x80; byte < 0xA0; ++byte)
        EXPECT_EQ(windows1252ToUnicode(byte).unicode(), high[byte - 0x80]) << std::hex << byte;
    EXPECT_EQ(windows1252ToUnicode(0x41), QChar(u'A'));
    EXPECT_EQ(windows1252ToUnicode(0xA0), QChar(u'\u00A0'));
    EXPECT_EQ(windows1252ToUnicode(0xE9), QChar(u'\u00E9'));
    EXPECT_EQ(windows1252ToUnicode(0xFF), QChar(u'\u00FF'));
}

TEST(Windows1252Test, UndefinedBytesMapToControlsOfSameValue) {
    for (uchar byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(windows1252ToUnicode(byte).unicode(), byte);
        EXPECT_EQ(unicodeToWindows1252(byte), byte);
    }
}

TEST(Windows1252Test, EveryByteRoundTripsThroughDistinctCharacters) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
    bool ok = false;
    EXPECT_EQ(encodeWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Windows1252Test, ReportsCharactersTheCodePageLacks) {
    // U+0080 is not the euro sign's byte: the code page gives 0x80 to U+20AC.
    EXPECT_EQ(unicodeToWindows1252(0x0080), -1);
    EXPECT_EQ(unicodeToWindows1252(0x0151), -1);
    EXPECT_EQ(unicodeToWindows1252(0x20AC), 0x80);
    bool ok = true;
    EXPECT_EQ(encodeWindows1252(u"a\u20AC\u0151", &ok), QByteArray("a\x80?"));
    EXPECT_FALSE(ok);
    EXPECT_EQ(encodeWindows1252(u"caf\u00E9 \u2122", &ok), QByteArray("caf\xE9 \x99"));
    EXPECT_TRUE(ok);
}

// --- format detection ---

TEST(DocumentFileFormatTest, DetectsEncoding) {
    const struct {
        QByteArray bytes;
        TextEncoding encoding;
        bool bom;
    } cases[] = {
        {"", TextEncoding::Utf8, false},
        {"plain ascii", TextEncoding::Utf8, false},
        {"\xEF\xBB\xBF", TextEncoding::Utf8, true},
        {"\xEF\xBB\xBF\xC3\xA9", TextEncoding::Utf8, true},
        // A BOM before bytes that are not UTF-8: Windows-1252 after the BOM keeps them exact.
        {"\xEF\xBB\xBF\xE9", TextEncoding::Windows1252, true},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9D\x84\x9E", TextEncoding::Utf8, false},
        {"caf\xE9", TextEncoding::Windows1252, false},
        {"aaaaaaaaaaaaaaaaaaaaaaaa\x80", TextEncoding::Windows1252, false},
        {"\xC0\xAF", TextEncoding::Windows1252, false},         // overlong
        {"\xE0\x80\xAF", TextEncoding::Windows1252, false},     // overlong
        {"\xED\xA0\x80", TextEncoding::Windows1252, false},     // surrogate
        {"\xF4\x90\x80\x80", TextEncoding::Windows1252, false}, // past U+10FFFF
        {"ab\xE2\x82", TextEncoding::Windows1252, false},       // cut short
        {"\xC3\x28", TextEncoding::Windows1252, false},         // bad trail byte
    };
    for (const auto &c : cases) {
        const FileFormat format = detectFileFormat(c.bytes);
        EXPECT_EQ(format.encoding, c.encoding) << c.bytes.toHex().constData();
        EXPECT_EQ(format.bom, c.bom) << c.bytes.toHex().constData();
    }
}

TEST(DocumentFileFormatTest, FirstLineBreakWinsAndMixingIsFlagged) {
    const struct {
        QByteArray bytes;
        LineBreak lineBreak;
        bool mixed;
    } cases[] = {
        {"", LineBreak::CRLF, false},
        {"no break", LineBreak::CRLF, false},
        {"a\r\nb\r\n\r\n", LineBreak::CRLF, false},
        {"a\nb\n", LineBreak::LF, false},
        {"a\rb\r\r", LineBreak::CR, false},
        {"a\nb\r\nc", LineBreak::LF, true},
        {"a\r\nb\n", LineBreak::CRLF, true},
        {"a\r\r\n", LineBreak::CR, true},
        {"\xEF\xBB\xBF\n\r", LineBreak::LF, true},
    };
    for (const auto &c : cases) {
        const FileFormat format = detectFileFormat(c.bytes);
        EXPECT_EQ(format.lineBreak, c.lineBreak) << c.bytes.toHex().constData();
        EXPECT_EQ(format.mixedLineBreaks, c.mixed) << c.bytes.toHex().constData();
    }
}

TEST(DocumentFileFormatTest, LineBreaksAreFoundAtAnyOffsetInLongText) {
    for (int at = 0; at < 40; ++at) {
        const QByteArray lead(at, 'x');
        const QByteArray filler(37, 'y');
        const FileFormat crlfThenLf = detectFileFormat(lead + "\r\n" + filler + "\n" + filler);
        EXPECT_EQ(crlfThenLf.lineBreak, LineBreak::CRLF) << at;
        EXPECT_TRUE(crlfThenLf.mixedLineBreaks) << at;
        const FileFormat lf = detectFileFormat(filler + lead + "\n" + filler);
        EXPECT_EQ(lf.lineBreak, LineBreak::LF) << at;
        EXPECT_FALSE(lf.mixedLineBreaks) << at;
        const FileFormat cr = detectFileFormat(filler + lead + "\r" + filler + "\r");
        EXPECT_EQ(cr.lineBreak, LineBreak::CR) << at;
        EXPECT_FALSE(cr.mixedLineBreaks) << at;
    }
}

TEST(DocumentFileFormatTest, LineBreakText) {
    EXPECT_EQ(lineBreakText(LineBreak::CRLF), QStringLiteral("\r\n"));
    EXPECT_EQ(lineBreakText(LineBreak::LF), QStringLiteral("\n"));
    EXPECT_EQ(lineBreakText(LineBreak::CR), QStringLiteral("\r"));
}

// --- decoding in pieces ---

TEST(DocumentFileDecodeTest, CrLfSplitByEveryChunkBoundaryIsOneBreak) {
    const QByteArray bytes("ab\r\ncd\r\n\r\nef\r\n");
    for (qsizetype chunk = 1; chunk <= bytes.size(); ++chunk) {
        const QString text = decodeAll(bytes, chunk);
        EXPECT_EQ(text, QStringLiteral("ab\ncd\n\nef\n")) << "chunk " << chunk;
        EXPECT_EQ(text.split(u'\n'), QStringList({"ab", "cd", "", "ef", ""}));
    }
}

TEST(DocumentFileDecodeTest, LoneCrAtEveryChunkBoundaryStaysABreak) {
    const QByteArray bytes("a\rb\r\rc\r");
    for (qsizetype chunk = 1; chunk <= bytes.size(); ++chunk)
        EXPECT_EQ(decodeAll(bytes, chunk), QStringLiteral("a\nb\n\nc\n")) << "chunk " << chunk;
}

TEST(DocumentFileDecodeTest, Utf8CharacterSplitByEveryChunkBoundaryDecodesWhole) {
    const QString expected = QStringLiteral("x\u00E9\u20AC") + QString::fromUcs4(U"\U0001D11E") +
                             QStringLiteral("\ny\u0151");
    const QByteArray bytes = "x\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E\r\ny\xC5\x91";
    for (qsizetype chunk = 1; chunk <= bytes.size(); ++chunk) {
        FileFormat format;
        EXPECT_EQ(decodeAll(bytes, chunk, &format), expected) << "chunk " << chunk;
        EXPECT_EQ(format.encoding, TextEncoding::Utf8);
    }
}

TEST(DocumentFileDecodeTest, Windows1252DecodesInPiecesOfChunkSize) {
    const QByteArray bytes = QByteArray(1000, '\xE9') + QByteArray(1000, 'a');
    Collector collector;
    decodeText(bytes, collector.sink(), 500);
    EXPECT_EQ(collector.pieces, 4);
    EXPECT_EQ(collector.text, QString(1000, QChar(0xE9)) + QString(1000, u'a'));
}

TEST(DocumentFileDecodeTest, SecondByteOrderMarkIsText) {
    FileFormat format;
    EXPECT_EQ(decodeAll("\xEF\xBB\xBF\xEF\xBB\xBF"
                        "A",
                        1 << 20, &format),
              QStringLiteral("\uFEFFA"));
    EXPECT_TRUE(format.bom);
}

// --- golden files: load, save, compare bytes ---

struct Golden {
    const char *file;
    FileFormat format;
    const char16_t *text;
};

void PrintTo(const Golden &golden, std::ostream *os) {
    *os << golden.file;
}

class DocumentFileGoldenTest : public ::testing::TestWithParam<Golden> {
protected:
    QTemporaryDir dir;
};

TEST_P(DocumentFileGoldenTest, LoadsAndSavesTheSameBytes) {
    const Golden &golden = GetParam();
    const QString original = fixturePath(golden.file);
    const QString expectedText = QStringView(golden.text).toString();

    Collector collector;
    const LoadResult loaded = loadTextFile(original, collector.sink());
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    EXPECT_EQ(loaded.format, golden.format);
    EXPECT_EQ(collector.text, expectedText);

    Collector smallPieces;
    EXPECT_TRUE(loadTextFile(original, smallPieces.sink(), 3).ok);
    EXPECT_EQ(smallPieces.text, expectedText);

    const QByteArray bytes = readBytes(original);
    const QStringList lines = collector.text.split(u'\n');
    bool switched = true;
    EXPECT_EQ(encodeLines(loaded.format, lines, &switched), bytes);
    EXPECT_FALSE(switched);

    StringListLineSource source(lines);
    const QString copy = dir.filePath(QLatin1String(golden.file));
    const SaveResult saved = saveTextFile(copy, loaded.format, source);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_FALSE(saved.switchedToUtf8);
    EXPECT_EQ(saved.format, golden.format);
    EXPECT_EQ(readBytes(copy), bytes);
}

constexpr FileFormat lf{.lineBreak = LineBreak::LF};

INSTANTIATE_TEST_SUITE_P(
    DocumentFileFixtures, DocumentFileGoldenTest,
    ::testing::Values(
        Golden{"utf8.htm", utf8Crlf, u"<P>Gr\u00FC\u00DFe</P>\n<P>na\u00EFve \u0151 \u20AC</P>\n"},
        Golden{"utf8_bom.htm", {.bom = true}, u"<HTML>\n<BODY>\u00C4</BODY>\n</HTML>\n"},
        Golden{"utf8_bom_not_utf8.htm",
               {.encoding = TextEncoding::Windows1252, .bom = true},
               u"<P>caf\u00C3\u00A9 \u00E9</P>\n"},
        Golden{"bom_twice.htm", {.bom = true, .lineBreak = LineBreak::LF}, u"\uFEFFA\n"},
        Golden{"windows1252.htm", windows1252Crlf, u"<P>caf\u00E9 \u20AC 5</P>\n"},
        Golden{"windows1252_undefined.htm", windows1252Crlf,
               u"\u0081\u008D\u008F\u0090\u009D\n\u20AC\u0081\n"},
        Golden{"crlf.htm", utf8Crlf, u"<P>one</P>\n<P>two</P>\n"},
        Golden{"lf.htm", lf, u"<P>one</P>\n<P>two</P>\n"},
        Golden{"cr.htm", {.lineBreak = LineBreak::CR}, u"<P>one</P>\n<P>two</P>\n"},
        Golden{"no_final_break.htm", utf8Crlf, u"<P>a</P>\n\n<P>b</P>"},
        Golden{"empty.htm", utf8Crlf, u""},
        Golden{"nbsp_utf8.htm", utf8Crlf, u"A\u00A0B\u00A0\u00A0C\n"},
        Golden{"nbsp_windows1252.htm", windows1252Crlf, u"A\u00A0B \u00E9\n"}),
    [](const ::testing::TestParamInfo<Golden> &info) {
        std::string name = info.param.file;
        name.resize(name.find('.'));
        return name;
    });

// --- encoding ---

TEST(DocumentFileEncodeTest, JoinsLinesWithTheFormatsBreakAndNoneAfterTheLast) {
    EXPECT_EQ(encodeLines(utf8Crlf, {"a", "b"}), QByteArray("a\r\nb"));
    EXPECT_EQ(encodeLines(utf8Crlf, {"a", ""}), QByteArray("a\r\n"));
    EXPECT_EQ(encodeLines(lf, {"", "", ""}), QByteArray("\n\n"));
    EXPECT_EQ(encodeLines({.lineBreak = LineBreak::CR}, {"a", "b"}), QByteArray("a\rb"));
    EXPECT_EQ(encodeLines(utf8Crlf, {}), QByteArray());
    EXPECT_EQ(encodeLines(utf8Crlf, {""}), QByteArray());
    EXPECT_EQ(encodeLines({.bom = true}, {""}), QByteArray("\xEF\xBB\xBF"));
    EXPECT_EQ(encodeLines({.bom = true}, {"\u00E9"}), QByteArray("\xEF\xBB\xBF\xC3\xA9"));
}

TEST(DocumentFileEncodeTest, StartsAgainFromTheFirstLine) {
    StringListLineSource source({"a", "b"});
    QString line;
    ASSERT_TRUE(source.next(line));
    EXPECT_EQ(encodeText(utf8Crlf, source), QByteArray("a\r\nb"));
    EXPECT_EQ(encodeText(utf8Crlf, source), QByteArray("a\r\nb"));
}

TEST(DocumentFileEncodeTest, CharacterOutsideWindows1252MakesTheWholeFileUtf8) {
    const struct {
        QStringList lines;
        QByteArray bytes;
        bool switched;
    } cases[] = {
        {{u"caf\u00E9"_qs, u"\u20AC 5"_qs}, "caf\xE9\r\n\x80 5", false},
        {{u"caf\u00E9"_qs, u"\u20AC \u0151"_qs}, "caf\xC3\xA9\r\n\xE2\x82\xAC \xC5\x91", true},
        {{u"\u2603 caf\u00E9"_qs}, "\xE2\x98\x83 caf\xC3\xA9", true},
        // C1 controls have no byte of their own, but for the five the code page leaves undefined.
        {{u"a\u0080"_qs}, "a\xC2\x80", true},
        {{u"\u0085"_qs}, "\xC2\x85", true},
        {{u"\u009F"_qs}, "\xC2\x9F", true},
        {{u"\u0081\u009D"_qs}, "\x81\x9D", false},
    };
    for (const auto &c : cases) {
        bool switched = !c.switched;
        EXPECT_EQ(encodeLines(windows1252Crlf, c.lines, &switched), c.bytes)
            << c.bytes.toHex().constData();
        EXPECT_EQ(switched, c.switched) << c.bytes.toHex().constData();
    }
    // A BOM the file had stays when it becomes UTF-8.
    EXPECT_EQ(encodeLines({.encoding = TextEncoding::Windows1252, .bom = true}, {u"\u0151"_qs}),
              QByteArray("\xEF\xBB\xBF\xC5\x91"));
}

TEST(DocumentFileEncodeTest, LongNonAsciiTextOutgrowsTheReservedBuffer) {
    QStringList lines(2000, QString(50, QChar(0x20AC)));
    const QByteArray bytes = encodeLines(lf, lines);
    EXPECT_EQ(bytes.size(), 2000 * 150 + 1999);
    EXPECT_EQ(decodeAll(bytes, 4096).split(u'\n'), lines);
}

// --- saving ---

class DocumentFileSaveTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    static QString quoted(const QString &file) {
        return u'"' + QDir::toNativeSeparators(file) + u'"';
    }

    QTemporaryDir dir;
};

TEST_F(DocumentFileSaveTest, SwitchToUtf8IsReportedAndWritten) {
    StringListLineSource source({u"\u0151"_qs, ""});
    const SaveResult saved = saveTextFile(path("x.htm"), windows1252Crlf, source);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_TRUE(saved.switchedToUtf8);
    EXPECT_EQ(saved.format, utf8Crlf);
    EXPECT_EQ(readBytes(path("x.htm")), QByteArray("\xC5\x91\r\n"));
}

TEST_F(DocumentFileSaveTest, SwitchAfterMegabytesAlreadyWrittenStartsTheFileAfresh) {
    // Saving streams in pieces: the character Windows-1252 lacks comes after several of them.
    QStringList lines(40000, QStringLiteral("caf\u00E9 au lait, plain text of a line"));
    lines.append(u"\u0151"_qs);
    StringListLineSource source(lines);
    const SaveResult saved = saveTextFile(path("x.htm"), windows1252Crlf, source);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_TRUE(saved.switchedToUtf8);
    EXPECT_EQ(readBytes(path("x.htm")), lines.join("\r\n").toUtf8());
}

TEST_F(DocumentFileSaveTest, UnifiesMixedLineBreaksWithTheFirstStyle) {
    Collector collector;
    const LoadResult loaded = loadTextFile(fixturePath("mixed.htm"), collector.sink());
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.format.lineBreak, LineBreak::LF);
    EXPECT_TRUE(loaded.format.mixedLineBreaks);
    EXPECT_EQ(collector.text, QStringLiteral("a\nb\nc\nd\n"));

    StringListLineSource source(collector.text.split(u'\n'));
    const SaveResult saved = saveTextFile(path("mixed.htm"), loaded.format, source);
    ASSERT_TRUE(saved.ok);
    EXPECT_FALSE(saved.format.mixedLineBreaks);
    EXPECT_EQ(readBytes(path("mixed.htm")), QByteArray("a\nb\nc\nd\n"));
}

TEST_F(DocumentFileSaveTest, ReplacingAFileKeepsItsPermissions) {
    writeBytes(path("page.htm"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("page.htm")).constData(), 0640), 0);
    StringListLineSource source({"new"});
    ASSERT_TRUE(saveTextFile(path("page.htm"), utf8Crlf, source).ok);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path("page.htm")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(path("page.htm")), QByteArray("new"));
}

TEST_F(DocumentFileSaveTest, MissingFolderFailsNamingTheFile) {
    const QString target = path("missing/page.htm");
    StringListLineSource source({"text"});
    const SaveResult saved = saveTextFile(target, utf8Crlf, source);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "Cannot create file " + quoted(target) + ". No such file or directory");
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(DocumentFileSaveTest, FolderThatIsAFileFailsAndStaysIntact) {
    writeBytes(path("plain.htm"), "keep me\r\n");
    const QString target = path("plain.htm/page.htm");
    StringListLineSource source({"text"});
    const SaveResult saved = saveTextFile(target, utf8Crlf, source);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "Cannot create file " + quoted(target) + ". Not a directory");
    EXPECT_EQ(readBytes(path("plain.htm")), QByteArray("keep me\r\n"));
}

TEST_F(DocumentFileSaveTest, ReadOnlyFolderLeavesTheOldFileIntact) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    writeBytes(path("page.htm"), "old text");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    StringListLineSource source({"new text"});
    const SaveResult saved = saveTextFile(path("page.htm"), utf8Crlf, source);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.startsWith("Cannot create file " + quoted(path("page.htm")) + ". "));
    EXPECT_EQ(readBytes(path("page.htm")), QByteArray("old text"));
}

TEST_F(DocumentFileSaveTest, FailedWriteGivesTheSystemsReasonAndLeavesTheOldFileIntact)
{
    const struct {
        rlim_t limit;
        qsizetype lines;
    } cases[] = {
        {64 * 1024, 20000}, // fails part-way, in one of the pieces written
        {1024, 60},         // fails in the final flush
    };
    for (const auto &c : cases) {
        writeBytes(path("page.htm"), "old text\r\n");
        StringListLineSource source(QStringList(c.lines, QString(60, u'x')));
        SaveResult saved;
        {
            FileSizeLimit limit(c.limit);
            saved = saveTextFile(path("page.htm"), utf8Crlf, source);
        }
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.error,
                  "Cannot write file " + quoted(path("page.htm")) + ". File too large");
        EXPECT_EQ(readBytes(path("page.htm")), QByteArray("old text\r\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.htm"});
    }
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

// --- loading in pieces ---

class DocumentFilePiecewiseLoadTest : public ::testing::Test {
protected:
    QString write(const QByteArray &bytes) {
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        writeBytes(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(DocumentFilePiecewiseLoadTest, FormatIsFoundWhateverTheReadBoundaries) {
    const struct {
        QByteArray bytes;
        FileFormat format;
        QString text;
    } cases[] = {
        {"ab\r\ncd\r\n", utf8Crlf, "ab\ncd\n"},
        {"a\nb\r\nc", {.lineBreak = LineBreak::LF, .mixedLineBreaks = true}, "a\nb\nc"},
        {"a\rb\r", {.lineBreak = LineBreak::CR}, "a\nb\n"},
        {"a\r\r\n", {.lineBreak = LineBreak::CR, .mixedLineBreaks = true}, "a\n\n"},
        {"\xEF\xBB\xBFx\r\n", {.bom = true}, "x\n"},
        {"\xEF\xBB", windows1252Crlf, decodeWindows1252("\xEF\xBB")},
        {"x\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E.", utf8Crlf,
         u"x\u00E9\u20AC"_qs + QString::fromUcs4(U"\U0001D11E") + u"."_qs},
        // One bad byte at the very end makes the whole file Windows-1252.
        {"\xC3\xA9\xC3\xA9\xC3\xA9 \xE9", windows1252Crlf,
         decodeWindows1252("\xC3\xA9\xC3\xA9\xC3\xA9 \xE9")},
        {"ab\xE2\x82", windows1252Crlf, decodeWindows1252("ab\xE2\x82")},
        {"\xE2\x82\x61\xAC", windows1252Crlf, decodeWindows1252("\xE2\x82\x61\xAC")},
        {"\xEF\xBB\xBF\xC3\xA9\xE9\r\n",
         {.encoding = TextEncoding::Windows1252, .bom = true},
         decodeWindows1252("\xC3\xA9\xE9\n")},
        // Characters the editor turns into line breaks are flagged wherever the pieces split them.
        {"\xE2\x80\xA9", {.breaksInText = true}, u"\u2029"_qs},
        {"a\xEF\xB7\x90", {.breaksInText = true}, u"a\uFDD0"_qs},
        {"\xEF\xB7\x91z", {.breaksInText = true}, u"\uFDD1z"_qs},
        {"\xE2\x80\xA8\xEF\xB7\x92\xEF\xBF\xBC", utf8Crlf, u"\u2028\uFDD2\uFFFC"_qs},
    };
    for (const auto &c : cases) {
        const QString path = write(c.bytes);
        for (qsizetype chunk = 1; chunk <= c.bytes.size(); ++chunk) {
            Collector collector;
            const LoadResult loaded = loadTextFile(path, collector.sink(), chunk);
            ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
            EXPECT_EQ(loaded.format, c.format) << c.bytes.toHex().constData() << " chunk " << chunk;
            EXPECT_EQ(collector.text, c.text) << c.bytes.toHex().constData() << " chunk " << chunk;
        }
    }
}

TEST_F(DocumentFilePiecewiseLoadTest, NulFarIntoTheFileIsRefusedBeforeAnyTextAndFurtherReading)
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

TEST_F(DocumentFilePiecewiseLoadTest, HandsOutPiecesOfAboutTheChunkSize) {
    const QString path = write(QByteArray(10000, 'a'));
    Collector collector;
    ASSERT_TRUE(loadTextFile(path, collector.sink(), 1000).ok);
    EXPECT_EQ(collector.pieces, 10);
    EXPECT_EQ(collector.text, QString(10000, u'a'));
}

// --- load errors ---

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
