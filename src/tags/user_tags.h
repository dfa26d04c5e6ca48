#pragma once

#include <QString>
#include <array>

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

// Reads the five values of tag n into Tag, each defaulting to what Tag holds, and cuts the
// title to TitleLength characters. A wrongly typed value throws RegistryError.
void LoadUserTag(int n, TUserTag &Tag);
// LoadUserTag for every record of the table.
void LoadUserTags();
// Writes all five fields of all nine records, empty ones as empty strings.
void SaveUserTags();
