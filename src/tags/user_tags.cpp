#include "tags/user_tags.h"

#include "settings/corvane_registry.h"

namespace {

struct TagValue {
    const char *name;
    QString TUserTag::*field;
};

const TagValue TagValues[] = {
    {"Title", &TUserTag::Title},   {"Name", &TUserTag::Name}, {"StartTag", &TUserTag::StartTag},
    {"EndTag", &TUserTag::EndTag}, {"Hint", &TUserTag::Hint},
};

} // namespace

std::array<TUserTag, UserTagCount> &userTags()
{
    static std::array<TUserTag, UserTagCount> table;
    return table;
}

QString userTagKey(int n)
{
    return QStringLiteral("Software\\Corvane\\Pagewick\\Application\\UserTags\\%1").arg(n);
}

void LoadUserTag(int n, TUserTag &Tag)
{
    for (const TagValue &value : TagValues) {
        QString &field = Tag.*value.field;
        field = TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, userTagKey(n),
                                            QLatin1String(value.name), field)
                    .toString();
    }
    Tag.Title.truncate(TitleLength);
}

void LoadUserTags()
{
    for (int n = 1; n <= UserTagCount; ++n)
        LoadUserTag(n, userTags()[n - 1]);
}

void SaveUserTags()
{
    for (int n = 1; n <= UserTagCount; ++n) {
        for (const TagValue &value : TagValues) {
            TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, userTagKey(n),
                                         QLatin1String(value.name), userTags()[n - 1].*value.field);
        }
    }
}
