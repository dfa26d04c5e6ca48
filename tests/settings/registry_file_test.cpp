#include "settings/registry_file.h"

#include <gtest/gtest.h>

namespace {

const QString kGeneral = QStringLiteral("HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\General");

RegFileDocument parsed(const QByteArray &bytes)
{
    const RegFileParseResult result = parseRegistryFile(bytes);
    EXPECT_TRUE(result.ok()) << "line " << result.errorLine << ": " << result.error.toStdString();
    return result.document;
}

RegFileDocument roundTrip(const RegFileDocument &document)
{
    return parsed(serializeRegistryFile(document));
}

} // namespace

TEST(RegistryFileFormat, WritesTheExportLayoutAndReadsItBack)
{
    RegFileDocument document;
    document.set(kGeneral, QStringLiteral("Size"), quint32(10));
    document.set(kGeneral, QStringLiteral("High"), quint32(0x80000001));
    document.set(kGeneral, QStringLiteral("Path"), QStringLiteral("C:\\a \"b\""));
    // Plain text stays readable; a line break needs hex(1), with the terminator.
    document.set(kGeneral, QStringLiteral("Plain"), QStringLiteral("ä€😀\tt"));
    document.set(kGeneral, QStringLiteral("Lines"), QStringLiteral("a\nb"));
    document.set(kGeneral, QString(), QStringLiteral("default value"));
    document.set(QStringLiteral("HKEY_CURRENT_USER\\Software\\Other"), QStringLiteral("X"),
                 quint32(0xFFFFFFFF));

    EXPECT_EQ(serializeRegistryFile(document),
              QStringLiteral("Windows Registry Editor Version 5.00\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\General]\n"
                             "\"Size\"=dword:0000000a\n"
                             "\"High\"=dword:80000001\n"
                             "\"Path\"=\"C:\\\\a \\\"b\\\"\"\n"
                             "\"Plain\"=\"ä€😀\tt\"\n"
                             "\"Lines\"=hex(1):61,00,0a,00,62,00,00,00\n"
                             "@=\"default value\"\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Other]\n"
                             "\"X\"=dword:ffffffff\n"
                             "\n")
                  .toUtf8());
    const RegFileDocument back = roundTrip(document);
    EXPECT_EQ(*back.find(kGeneral, QStringLiteral("High")),
              (RegistryValue{RegistryValue::Type::Dword, 0x80000001, {}}));
    EXPECT_EQ(*back.find(kGeneral, QStringLiteral("Path")),
              (RegistryValue{RegistryValue::Type::String, 0, QStringLiteral("C:\\a \"b\"")}));
    EXPECT_EQ(back.find(kGeneral, QString())->text, QStringLiteral("default value"));
    EXPECT_EQ(back.find(kGeneral, QStringLiteral("Missing")), nullptr);
    EXPECT_EQ(back.find(kGeneral + QStringLiteral("\\Sub"), QStringLiteral("Path")), nullptr);
}

TEST(RegistryFileFormat, TrickyStringsRoundTripExactly)
{
    for (const QString &tricky :
         {QString(), QStringLiteral("say \"hi\""), QStringLiteral("C:\\dir\\"),
          QStringLiteral("\\"), QStringLiteral("\\\""), QStringLiteral("a\r\nb"),
          QStringLiteral("lone\nfeed"), QStringLiteral("cr\r"), QStringLiteral("tab\there"),
          QStringLiteral("ä€😀"), QStringLiteral("  padded  "),
          QString::fromUtf16(u"nul\0inside", 10),
          QString(QChar(0xD800)) + QStringLiteral("unpaired"),
          QStringLiteral("long line\n").repeated(20)}) {
        SCOPED_TRACE(tricky.toStdString());
        RegFileDocument document;
        document.set(kGeneral, QStringLiteral("Value"), tricky);
        document.set(kGeneral, QStringLiteral("After"), quint32(7));
        const RegFileDocument back = roundTrip(document);
        ASSERT_NE(back.find(kGeneral, QStringLiteral("Value")), nullptr);
        EXPECT_EQ(back.find(kGeneral, QStringLiteral("Value"))->text, tricky);
        EXPECT_EQ(back.find(kGeneral, QStringLiteral("After"))->dword, 7u);
    }
}

TEST(RegistryFileFormat, ReadsHandWrittenFiles)
{
    const QByteArray text = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                            "\r\n"
                            "[hkey_current_user\\software\\corvane\\pagewick\\general]\r\n"
                            "  \"Flag\" = DWORD:5\r\n"
                            "; a note\r\n"
                            "\"Note\"=hex(1):48,00,69,00,\\\r\n"
                            "    0a,00,00,00\r\n"
                            "\"Path\"=hex(2):25,00,48,00,25,00,00,00\r\n"
                            "\"Word\"=hex(4):0a,00,00,00\r\n"
                            "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick]\r\n"
                            "@=\"stem\"";
    const RegFileDocument document = parsed(text);

    EXPECT_EQ(document.find(kGeneral, QStringLiteral("flag"))->dword, 5u);
    EXPECT_EQ(document.find(kGeneral, QStringLiteral("Note"))->text, QStringLiteral("Hi\n"));
    EXPECT_EQ(*document.find(kGeneral, QStringLiteral("Path")),
              (RegistryValue{RegistryValue::Type::ExpandString, 0, QStringLiteral("%H%")}));
    EXPECT_EQ(document.find(kGeneral, QStringLiteral("Word"))->dword, 10u);
    EXPECT_EQ(
        document
            .find(QStringLiteral("HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\"), QString())
            ->text,
        QStringLiteral("stem"));
}

TEST(RegistryFileFormat, ReadsUtf16AndVersion4AndEmptyFiles)
{
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[%1]\r\n"
                                        "\"A\"=\"ä\"\r\n")
                             .arg(kGeneral);
    QByteArray utf16("\xFF\xFE");
    for (QChar c : text)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    const RegFileDocument fromUtf16 = parsed(utf16);
    const RegistryValue *a = fromUtf16.find(kGeneral, QStringLiteral("A"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text, QStringLiteral("ä"));

    const QByteArray old = "REGEDIT4\n\n[" + kGeneral.toUtf8() + "]\n\"B\"=dword:1\n";
    const RegFileDocument fromVersion4 = parsed(old);
    const RegistryValue *b = fromVersion4.find(kGeneral, QStringLiteral("B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->dword, 1u);
    EXPECT_TRUE(parsed("").keys.isEmpty());
    EXPECT_TRUE(parsed(" \n\r\n").keys.isEmpty());
}

TEST(RegistryFileFormat, KeepsUnknownTextOnRewrite)
{
    const QByteArray unknown = "[HKEY_CURRENT_USER\\Software\\Someone\\Else]\n"
                               "; keep me\n"
                               "\"Blob\"=hex:01,02,\\\n"
                               "  03\n"
                               "\"Odd\"=dword:A\n"
                               "\"Gone\"=-\n"
                               "\"Multi\"=hex(7):41,00,00,00,00,00\n";
    const QByteArray text = "Windows Registry Editor Version 5.00\n\n; preamble\n\n" + unknown +
                            "\n[" + kGeneral.toUtf8() + "]\n\"Mine\"=dword:1\n\"Kept\"=\"x\"\n";
    RegFileDocument document = parsed(text);
    document.set(kGeneral, QStringLiteral("mine"), quint32(2));
    // A removed value counts as absent.
    EXPECT_EQ(document.find(QStringLiteral("HKEY_CURRENT_USER\\Software\\Someone\\Else"),
                            QStringLiteral("Gone")),
              nullptr);

    const QByteArray rewritten = serializeRegistryFile(document);
    EXPECT_TRUE(rewritten.contains("\n\n; preamble\n\n")) << rewritten.constData();
    EXPECT_TRUE(rewritten.contains(unknown)) << rewritten.constData();
    EXPECT_TRUE(rewritten.contains("\"Mine\"=dword:00000002\n\"Kept\"=\"x\"\n"))
        << rewritten.constData();
}

TEST(RegistryFileFormat, RepeatedKeysAndValuesAreMergedAndSetReplacesWhateverTheCase)
{
    const QByteArray text = "Windows Registry Editor Version 5.00\n\n"
                            "[HKEY_CURRENT_USER\\A]\n\"V\"=dword:1\n\n"
                            "[hkey_current_user\\a\\]\n\"v\"=dword:2\n\"W\"=dword:3\n";
    const RegFileDocument document = parsed(text);

    ASSERT_EQ(document.keys.size(), 1);
    EXPECT_EQ(document.keys.first().entries.size(), 2);
    EXPECT_EQ(document.find(QStringLiteral("HKEY_CURRENT_USER\\A"), QStringLiteral("V"))->dword,
              2u);

    RegFileDocument set = document;
    set.set(QStringLiteral("HKEY_CURRENT_USER\\a"), QStringLiteral("w"), QStringLiteral("x"));
    ASSERT_EQ(set.keys.size(), 1);
    EXPECT_EQ(set.keys.first().entries.size(), 2);
    EXPECT_EQ(set.find(QStringLiteral("HKEY_CURRENT_USER\\A"), QStringLiteral("W"))->text, "x");
}

#define HEADER "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n"

TEST(RegistryFileFormat, BrokenFilesReportTheLine)
{
    const std::pair<const char *, int> rows[] = {
        {"[HKEY_CURRENT_USER\\K]\n\"A\"=dword:1\n", 1},
        {"Windows Registry Editor Version 5.00\n\"A\"=\"x\"\n", 2},
        {HEADER "\"A\"=dword:123456789\n", 4},
        {HEADER "\"A\"=dword:xyz\n", 4},
        {HEADER "\"A\"=\"open\n", 4},
        {HEADER "\"A\"=\"bad \\n escape\"\n", 4},
        {HEADER "\"A\"=\"x\" tail\n", 4},
        {HEADER "\"A\" \"x\"\n", 4},
        {HEADER "\"A\"=text\n", 4},
        {HEADER "\n\"B\"=hex:01,zz\n", 5},
        {HEADER "\"B\"=hex:01,,02\n", 4},
        {HEADER "\"B\"=hex(1):41\n", 4},
        {HEADER "\"B\"=hex(q):41\n", 4},
        {HEADER "\"B\"=hex:01,\\\n", 4},
        {HEADER "[HKEY_CURRENT_USER\\L\n", 4},
        {HEADER "[\\]\n", 4},
        {HEADER "stray words\n", 4},
        {HEADER "\"A\"=\"\xC3\x28\"\n", 4}};
    for (const auto &[text, line] : rows) {
        const RegFileParseResult result = parseRegistryFile(text);
        EXPECT_FALSE(result.ok()) << text;
        EXPECT_EQ(result.errorLine, line) << text << result.error.toStdString();
        EXPECT_FALSE(result.error.isEmpty()) << text;
    }
}

TEST(RegistryFileFormat, OnlyOneLineNamesAreStorable)
{
    EXPECT_TRUE(isStorableRegistryName(QStringLiteral("Software\\Corvane ä😀\t")));
    EXPECT_FALSE(isStorableRegistryName(QStringLiteral("two\nlines")));
    EXPECT_FALSE(isStorableRegistryName(QStringLiteral("cr\r")));
    EXPECT_FALSE(isStorableRegistryName(QString(QChar(0xDC00))));
}
