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

TEST_F(CorvaneRegistry, BooleansAndIntegersAreWrittenAsDwordsAndTextAsTextAndReadBack)
{
    const struct {
        const char *name;
        QVariant value;
        const char *line;
        QVariant fallback, back;
    } rows[] = {
        {"Flag", true, "\"Flag\"=dword:00000001\n", false, true},
        {"Off", false, "\"Off\"=dword:00000000\n", true, false},
        {"Size", -12, "\"Size\"=dword:fffffff4\n", 0, -12},
        {"Name", "Pagewick", "\"Name\"=\"Pagewick\"\n", QString(), "Pagewick"},
        {"Colour", quint32(0x00FF8040), "\"Colour\"=dword:00ff8040\n", 0, 0x00FF8040},
        {"AllBits", quint32(0xFFFFFFFF), "\"AllBits\"=dword:ffffffff\n", quint32(0), -1},
        {"Short", QVariant::fromValue<short>(-2), "\"Short\"=dword:fffffffe\n", 0, -2},
        {"Byte", QVariant::fromValue<uchar>(200), "\"Byte\"=dword:000000c8\n", 0, 200},
    };
    for (const auto &row : rows) {
        write(row.name, row.value);
        EXPECT_TRUE(settings.contents().contains(row.line)) << row.name;
        EXPECT_EQ(read(row.name, row.fallback), row.back) << row.name;
    }
}

TEST_F(CorvaneRegistry, StoredValuesReadAsTheDefaultsTypeSelects)
{
    store("\"Five\"=dword:00000005\n\"High\"=dword:80000000\n\"Gone\"=-\n"
          "\"Home\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\n"
          "\"Ratio\"=dword:00000003\n\"When\"=\"today\"\n\"Blob\"=hex:01\n");
    const QDateTime when(QDate(2001, 2, 3), QTime(4, 5));
    // Any non-zero DWORD is true; expandable text reads unexpanded; missing values and
    // unsupported types give the default.
    const std::tuple<const char *, QVariant, QVariant> rows[] = {
        {"Five", false, true}, {"High", false, true}, {"Home", QString(), "%HOME%"},
        {"Gone", true, true},  {"Absent", "d", "d"},  {"Ratio", 2.5, 2.5},
        {"When", when, when},
    };
    for (const auto &[name, fallback, expected] : rows)
        EXPECT_EQ(read(name, fallback), expected) << name;
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, kKey + QStringLiteral("\\Sub"),
                                          QStringLiteral("Five"), false),
              QVariant(false));

    const std::pair<const char *, QVariant> wrong[] = {
        {"Home", false}, {"When", 0}, {"Five", QString()}, {"Blob", QString()}};
    for (const auto &[name, fallback] : wrong)
        EXPECT_EQ(errorOf([&] { read(name, fallback); }),
                  QStringLiteral("Invalid data type for '%1'").arg(name));
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

// A name that cannot be stored fails the write, naming the value.
TEST_F(CorvaneRegistry, ReadsAndUnsupportedOrFailedWritesCreateNoFile)
{
    EXPECT_EQ(read(QStringLiteral("Any"), 42), QVariant(42));
    write(QStringLiteral("Ratio"), 1.5);
    write(QStringLiteral("When"), QDateTime::currentDateTime());
    write(QStringLiteral("Nothing"), QVariant());
    EXPECT_TRUE(errorOf([] {
                    write(QStringLiteral("Two\nLines"), 1);
                }).startsWith(QStringLiteral("Failed to set data for 'Two\nLines': ")));
    EXPECT_FALSE(QFile::exists(settings.filePath()));
}

TEST_F(CorvaneRegistry, StemKeyWithLeadingAndTrailingBackslash)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER,
                                 QStringLiteral("\\Software\\Corvane\\Pagewick\\Settings\\"),
                                 QStringLiteral("Author"), QStringLiteral("Ann"));

    EXPECT_TRUE(settings.contents().contains(
        "\n[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings]\n\"Author\"=\"Ann\"\n"));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER,
                                          QStringLiteral("Software\\Corvane\\Pagewick\\Settings"),
                                          QStringLiteral("Author"), QString()),
              QVariant(QStringLiteral("Ann")));
}

// The first and the last root bound the table of names.
TEST_F(CorvaneRegistry, EachRootHasItsSectionAndUnknownRootsMeanTheCurrentUser)
{
    TCorvaneRegistry::WriteValue(0x1234, kKey, QStringLiteral("A"), 1);
    TCorvaneRegistry::WriteValue(HKEY_LOCAL_MACHINE, kKey, QStringLiteral("A"), 2);
    TCorvaneRegistry::WriteValue(HKEY_CLASSES_ROOT, kKey, QStringLiteral("A"), 3);
    TCorvaneRegistry::WriteValue(HKEY_DYN_DATA, kKey, QStringLiteral("A"), 4);

    EXPECT_EQ(read(QStringLiteral("A"), 0), QVariant(1));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_DYN_DATA + 1, kKey, QStringLiteral("A"), 0),
              QVariant(1));
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_LOCAL_MACHINE, kKey, QStringLiteral("A"), 0),
              QVariant(2));
    for (const char *root : {"HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT", "HKEY_DYN_DATA"})
        EXPECT_TRUE(settings.contents().contains("[" + QByteArray(root) + "\\Software\\")) << root;
}
