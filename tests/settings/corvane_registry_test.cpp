#include "settings/corvane_registry.h"

#include "support/temp_settings.h"

#include <QDateTime>
#include <QFile>

namespace {

const QString kKey = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\General");
const QString kSection = QStringLiteral("[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\"
                                        "Settings\\General]\n");

QVariant read(const QString &name, const QVariant &defaultValue)
{
    return TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, kKey, name, defaultValue);
}

void write(const QString &name, const QVariant &value)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey, name, value);
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RegistryError &error) {
        return error.message();
    }
    return QString();
}

class CorvaneRegistry : public TempSettingsTest {
protected:
    void store(const QByteArray &values)
    {
        settings.setContents("Windows Registry Editor Version 5.00\n\n" + kSection.toUtf8() +
                             values);
    }
};

} // namespace

TEST_F(CorvaneRegistry, SupportedTypesReadBack)
{
    write(QStringLiteral("Flag"), true);
    write(QStringLiteral("Off"), false);
    write(QStringLiteral("Size"), -12);
    write(QStringLiteral("Name"), QStringLiteral("Pagewick"));

    EXPECT_EQ(read(QStringLiteral("Flag"), false), QVariant(true));
    EXPECT_EQ(read(QStringLiteral("Off"), true), QVariant(false));
    EXPECT_EQ(read(QStringLiteral("Size"), 0), QVariant(-12));
    EXPECT_EQ(read(QStringLiteral("Name"), QString()), QVariant(QStringLiteral("Pagewick")));
    EXPECT_TRUE(settings.contents().contains("\"Flag\"=dword:00000001\n\"Off\"=dword:00000000\n"
                                             "\"Size\"=dword:fffffff4\n\"Name\"=\"Pagewick\"\n"));
}

TEST_F(CorvaneRegistry, SmallAndUnsignedIntegersAreDwords)
{
    write(QStringLiteral("Colour"), quint32(0x00FF8040));
    write(QStringLiteral("AllBits"), quint32(0xFFFFFFFF));
    write(QStringLiteral("Short"), QVariant::fromValue<short>(-2));
    write(QStringLiteral("Byte"), QVariant::fromValue<uchar>(200));

    EXPECT_EQ(read(QStringLiteral("Colour"), 0), QVariant(0x00FF8040));
    EXPECT_EQ(read(QStringLiteral("AllBits"), quint32(0)), QVariant(-1));
    EXPECT_EQ(read(QStringLiteral("Short"), 0), QVariant(-2));
    EXPECT_EQ(read(QStringLiteral("Byte"), 0), QVariant(200));
}

TEST_F(CorvaneRegistry, AnyNonZeroDwordIsTrue)
{
    store("\"Five\"=dword:00000005\n\"High\"=dword:80000000\n");

    EXPECT_EQ(read(QStringLiteral("Five"), false), QVariant(true));
    EXPECT_EQ(read(QStringLiteral("High"), false), QVariant(true));
}

TEST_F(CorvaneRegistry, ExpandableTextReadsUnexpanded)
{
    store("\"Home\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\n");

    EXPECT_EQ(read(QStringLiteral("Home"), QString()), QVariant(QStringLiteral("%HOME%")));
}

TEST_F(CorvaneRegistry, WrongTypeNamesTheValue)
{
    store("\"Text\"=\"abc\"\n\"Number\"=dword:00000001\n\"Blob\"=hex:01\n");

    EXPECT_EQ(errorOf([] { read(QStringLiteral("Text"), false); }),
              QStringLiteral("Invalid data type for 'Text'"));
    EXPECT_EQ(errorOf([] { read(QStringLiteral("Text"), 0); }),
              QStringLiteral("Invalid data type for 'Text'"));
    EXPECT_EQ(errorOf([] { read(QStringLiteral("Number"), QString()); }),
              QStringLiteral("Invalid data type for 'Number'"));
    EXPECT_EQ(errorOf([] { read(QStringLiteral("Blob"), QString()); }),
              QStringLiteral("Invalid data type for 'Blob'"));
}

TEST_F(CorvaneRegistry, WrongTypeIsReportedOnceUntilWrittenAndGivesTheDefault)
{
    store("\"Text\"=\"abc\"\n");
    const auto tolerant = [] {
        return TCorvaneRegistry::ReadValueOrDefault(HKEY_CURRENT_USER, kKey, QStringLiteral("Text"),
                                                    7);
    };

    EXPECT_EQ(tolerant(), QVariant(7));
    EXPECT_EQ(tolerant(), QVariant(7));
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().startsWith("Invalid data type for 'Text' in "
                                                      "HKEY_CURRENT_USER\\Software\\"));
    write(QStringLiteral("Text"), QStringLiteral("again"));
    EXPECT_EQ(tolerant(), QVariant(7));
    EXPECT_EQ(settings.notices().size(), 2);
}

// Keys a person wrote with stray backslashes are the same keys: updated, never duplicated.
TEST_F(CorvaneRegistry, HandWrittenKeyWithStrayBackslashesIsUpdatedInPlace)
{
    for (const QByteArray &written :
         {QByteArray("Software\\Corvane\\\\Pagewick\\Settings\\General"),
          QByteArray("Software\\Corvane\\Pagewick\\Settings\\General\\")}) {
        const QByteArray section = "[HKEY_CURRENT_USER\\" + written + "]\n";
        settings.setContents("Windows Registry Editor Version 5.00\n\n" + section +
                             "\"Flag\"=dword:00000000\n");
        write(QStringLiteral("Flag"), true);

        EXPECT_EQ(settings.contents(), "Windows Registry Editor Version 5.00\n\n" + section +
                                           "\"Flag\"=dword:00000001\n\n");
    }
}

TEST_F(CorvaneRegistry, MissingKeyOrValueGivesTheDefault)
{
    EXPECT_EQ(read(QStringLiteral("Any"), 42), QVariant(42));
    EXPECT_FALSE(QFile::exists(settings.filePath()));

    write(QStringLiteral("Present"), 1);
    EXPECT_EQ(read(QStringLiteral("Absent"), QStringLiteral("d")), QVariant(QStringLiteral("d")));
    store("\"Gone\"=-\n");
    EXPECT_EQ(read(QStringLiteral("Gone"), true), QVariant(true));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, kKey + QStringLiteral("\\Sub"),
                                          QStringLiteral("Present"), true),
              QVariant(true));
}

TEST_F(CorvaneRegistry, UnsupportedTypesAreNeitherWrittenNorRead)
{
    write(QStringLiteral("Ratio"), 1.5);
    write(QStringLiteral("When"), QDateTime::currentDateTime());
    write(QStringLiteral("Nothing"), QVariant());
    EXPECT_FALSE(QFile::exists(settings.filePath()));

    store("\"Ratio\"=dword:00000003\n\"When\"=\"today\"\n");
    EXPECT_EQ(read(QStringLiteral("Ratio"), 2.5), QVariant(2.5));
    const QDateTime when(QDate(2001, 2, 3), QTime(4, 5));
    EXPECT_EQ(read(QStringLiteral("When"), when), QVariant(when));
}

TEST_F(CorvaneRegistry, StemKeyWithTrailingBackslash)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER,
                                 QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\"),
                                 QStringLiteral("Author"), QStringLiteral("Ann"));

    EXPECT_TRUE(settings.contents().contains(
        "\n[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings]\n\"Author\"=\"Ann\"\n"));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER,
                                          QStringLiteral("Software\\Corvane\\Pagewick\\Settings"),
                                          QStringLiteral("Author"), QString()),
              QVariant(QStringLiteral("Ann")));
}

TEST_F(CorvaneRegistry, UnknownRootsMeanTheCurrentUser)
{
    TCorvaneRegistry::WriteValue(0x1234, kKey, QStringLiteral("A"), 1);
    TCorvaneRegistry::WriteValue(HKEY_LOCAL_MACHINE, kKey, QStringLiteral("A"), 2);

    EXPECT_EQ(read(QStringLiteral("A"), 0), QVariant(1));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_DYN_DATA + 1, kKey, QStringLiteral("A"), 0),
              QVariant(1));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_LOCAL_MACHINE, kKey, QStringLiteral("A"), 0),
              QVariant(2));
    EXPECT_TRUE(settings.contents().contains("[HKEY_LOCAL_MACHINE\\Software\\"));
}

TEST_F(CorvaneRegistry, FailedWriteNamesTheValue)
{
    EXPECT_TRUE(errorOf([] {
                    write(QStringLiteral("Two\nLines"), 1);
                }).startsWith(QStringLiteral("Failed to set data for 'Two\nLines': ")));
}

TEST(CorvaneRegistryNames, RootsAndPaths)
{
    EXPECT_EQ(rootKeyName(HKEY_CLASSES_ROOT), QStringLiteral("HKEY_CLASSES_ROOT"));
    EXPECT_EQ(rootKeyName(HKEY_DYN_DATA), QStringLiteral("HKEY_DYN_DATA"));
    EXPECT_EQ(rootKeyName(0), QStringLiteral("HKEY_CURRENT_USER"));
    EXPECT_EQ(normalizedKeyPath(QStringLiteral("\\a\\\\b\\")), QStringLiteral("a\\b"));
}

TEST(CorvaneRegistryNotices, HandlerCanBeReplacedAndRestored)
{
    const auto previous = TCorvaneRegistry::noticeHandler();
    QStringList seen;
    TCorvaneRegistry::setNoticeHandler([&seen](const QString &text) { seen.append(text); });
    TCorvaneRegistry::notify(QStringLiteral("kept aside"));
    TCorvaneRegistry::setNoticeHandler(previous);
    TCorvaneRegistry::notify(QStringLiteral("to stderr"));

    EXPECT_EQ(seen, QStringList{QStringLiteral("kept aside")});
}
