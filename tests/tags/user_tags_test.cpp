#include "tags/user_tags.h"

#include "settings/corvane_registry.h"
#include "support/temp_settings.h"

namespace {

const char *const ValueNames[] = {"Title", "Name", "StartTag", "EndTag", "Hint"};

class UserTagStore : public TempSettingsTest {
protected:
    void SetUp() override { userTags().fill(TUserTag()); }
    void TearDown() override { userTags().fill(TUserTag()); }

    static void store(int n, const char *name, const QVariant &value)
    {
        TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(n), name, value);
    }
    static QVariant stored(int n, const char *name)
    {
        return TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, userTagKey(n), name,
                                           QStringLiteral("(missing)"));
    }
};

} // namespace

TEST_F(UserTagStore, MissingValuesKeepWhatTheRecordHolds)
{
    store(5, "EndTag", "</Q>");
    TUserTag tag{"T", "N", "<Q>", "x", "H"};
    LoadUserTag(5, tag);
    EXPECT_EQ(tag, (TUserTag{"T", "N", "<Q>", "</Q>", "H"}));

    TUserTag empty;
    LoadUserTag(6, empty);
    EXPECT_EQ(empty, TUserTag());
}

TEST_F(UserTagStore, TitleIsCutToFourCharactersOnLoading)
{
    // Characters, not UTF-16 units: a pair is never cut in half.
    const std::pair<QString, QString> cuts[] = {
        {"ABCDEF", "ABCD"}, {"a𝄞𝄞", "a𝄞𝄞"}, {"𝄞𝄞𝄞𝄞𝄞", "𝄞𝄞𝄞𝄞"}, {"abc𝄞d", "abc𝄞"}};
    for (const auto &[stored, loaded] : cuts) {
        store(3, "Title", stored);
        TUserTag tag;
        LoadUserTag(3, tag);
        EXPECT_EQ(tag.Title, loaded);
    }
    store(3, "Title", "ABCDEF");

    LoadUserTags();
    EXPECT_EQ(userTags()[2].Title, "ABCD");
    // Only the loaded copy is cut; the store keeps what it holds.
    EXPECT_EQ(stored(3, "Title").toString(), "ABCDEF");
}

TEST_F(UserTagStore, EmptyTableSavesNineKeysOfFiveEmptyStrings)
{
    SaveUserTags();
    for (int n = 1; n <= UserTagCount; ++n) {
        for (const char *name : ValueNames)
            EXPECT_EQ(stored(n, name), QVariant(QString())) << n << name;
    }
    EXPECT_TRUE(settings.contents().contains(
        "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Application\\UserTags\\9]\n"
        "\"Title\"=\"\"\n\"Name\"=\"\"\n\"StartTag\"=\"\"\n\"EndTag\"=\"\"\n"
        "\"Hint\"=\"\"\n"));
}

TEST_F(UserTagStore, TableRoundTripsEveryRecordExactly)
{
    for (int n = 1; n <= UserTagCount; ++n) {
        const QString i = QString::number(n);
        userTags()[n - 1] = {"T" + i, "Name \"" + i + "\"", "<DIV CLASS=\"c" + i + "\">",
                             "</DIV>\\", " hint " + i + " "};
    }
    const auto saved = userTags();
    SaveUserTags();
    userTags().fill(TUserTag());

    LoadUserTags();
    EXPECT_EQ(userTags(), saved);
}

TEST_F(UserTagStore, WronglyTypedValueIsReportedOnceAndKeepsTheField)
{
    store(2, "Name", 7);
    store(2, "Hint", "h");
    TUserTag tag{"T", "N", "S", "E", "?"};
    LoadUserTag(2, tag);
    LoadUserTags();

    EXPECT_EQ(tag, (TUserTag{"T", "N", "S", "E", "h"}));
    EXPECT_EQ(userTags()[1].Hint, "h");
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().startsWith("Invalid data type for 'Name'"));
}
