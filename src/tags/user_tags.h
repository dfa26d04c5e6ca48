#pragma once

#include <QString>
#include <array>

class RegistryEdit;

// One user-defined tag pair; the fields bear the names of their stored values.
struct TUserTag {
    QString Title; // button caption, at most TitleLength characters once loaded
    QString Name;
    QString StartTag;
    QString EndTag;
    QString Hint;

    bool operator==(const TUserTag &) const = default;
};

inline constexpr int UserTagCount = 9;
inline constexpr int TitleLength = 4;

// The process-wide table: record n (1 to 9) is userTags()[n - 1]. It starts empty.
std::array<TUserTag, UserTagCount> &userTags();

// "Software\\Corvane\\Pagewick\\Application\\UserTags\\" followed by n.
QString userTagKey(int n);

// The first TitleLength characters (not UTF-16 units) of a title.
QString cutTitle(const QString &title);

// Reads the five values of tag n into Tag, each defaulting to what Tag holds, and cuts the
// title. A wrongly typed value is reported once and leaves its field as it was. Reads go
// through Edit when given, so that a later save through it knows what was read.
void LoadUserTag(int n, TUserTag &Tag, RegistryEdit *Edit = nullptr);
// LoadUserTag for every record of the table.
void LoadUserTags(RegistryEdit *Edit = nullptr);
// Writes all five fields of all nine records, empty ones as empty strings, as one update.
void SaveUserTags(RegistryEdit *Edit = nullptr);
