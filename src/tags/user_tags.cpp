#include "tags/user_tags.h"

#include "settings/registry_edit.h"

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

QString cutTitle(const QString &title)
{
    qsizetype end = 0;
    for (int kept = 0; kept < TitleLength && end < title.size(); ++kept) {
        const bool pair = title.at(end).isHighSurrogate() && end + 1 < title.size() &&
                          title.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return title.left(end);
}

void LoadUserTag(int n, TUserTag &Tag, RegistryEdit *Edit)
{
    RegistryEdit own;
    RegistryEdit &edit = Edit ? *Edit : own;
    for (const TagValue &value : TagValues) {
        QString &field = Tag.*value.field;
        field = edit.ReadValue(HKEY_CURRENT_USER, userTagKey(n), QLatin1String(value.name), field)
                    .toString();
    }
    Tag.Title = cutTitle(Tag.Title);
}

void LoadUserTags(RegistryEdit *Edit)
{
    for (int n = 1; n <= UserTagCount; ++n)
        LoadUserTag(n, userTags()[n - 1], Edit);
}

void SaveUserTags(RegistryEdit *Edit)
{
    RegistryEdit own;
    RegistryEdit &edit = Edit ? *Edit : own;
    for (int n = 1; n <= UserTagCount; ++n) {
        for (const TagValue &value : TagValues) {
            edit.WriteValue(HKEY_CURRENT_USER, userTagKey(n), QLatin1String(value.name),
                            userTags()[n - 1].*value.field);
        }
    }
    edit.commit();
}
