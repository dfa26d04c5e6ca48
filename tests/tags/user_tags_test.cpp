#include "tags/user_tags.h"

#include "settings/corvane_registry.h"
#include "support/temp_settings.h"

namespace {

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

// A wrongly typed value is reported once, by the first of the two loads.
TEST_F(UserTagStore, MissingOrWronglyTypedValuesKeepWhatTheRecordHolds)
{
    store(5, "EndTag", "</Q>");
    store(5, "Name", 7);
    TUserTag tag{"T", "N", "<Q>", "x", "H"};
    LoadUserTag(5, tag);
    LoadUserTags();
    EXPECT_EQ(tag, (TUserTag{"T", "N", "<Q>", "</Q>", "H"}));
    EXPECT_EQ(userTags()[4].EndTag, "</Q>");
    ASSERT_EQ(settings.notices().size(), 1);
    EXPECT_TRUE(settings.notices().first().startsWith("Invalid data type for 'Name'"));

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
    // Every key is read back by the manager's test; here where and how they lie.
    SaveUserTags();
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
