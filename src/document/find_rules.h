#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The options of a search as the find and replace dialogs set them.
struct FindOptions {
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
};

// Word characters are exactly the ASCII letters and digits; everything else delimits words.
bool isWordCharacter(QChar c);

// Searches Text from the selection in the chosen direction and returns the index of the first
// hit in scan order. Going down the scan starts just after the selection; going up, at
// SelStart minus the search text's length. Without match case, characters compare by their
// upper case. With whole word, each candidate first moves to the next word start (going down,
// the word at the scan start is skipped) and a hit must be followed by a delimiter.
std::optional<qsizetype> ScanBuffer(QStringView Text, qsizetype SelStart, qsizetype SelLength,
                                    QStringView SearchText, FindOptions Options);

// Replace's first step: the selection is replaced when it equals the search text, ignoring
// case whatever the options say.
bool selectionIsHit(QStringView selected, QStringView searchText);

// The message of a search that found nothing.
QString cannotFindMessage(const QString &searchText);

// A range of a text, [from, to).
struct TextRange {
    qsizetype from = 0;
    qsizetype to = 0;
    bool operator==(const TextRange &) const = default;
};

// Replace's search after it put length characters at at, in the new text: going down, from
// after them; going up, from where the search would start (the search text's length before
// their end), but only before them, since a replacement that holds the search text would
// otherwise be found again and again.
std::optional<qsizetype> findAfterReplace(QStringView text, qsizetype at, qsizetype length,
                                          QStringView searchText, FindOptions options);

// What Replace All does to a text: the ranges replaced, in text order, each where the text
// stands when it is replaced (replacing them from the last to the first gives the new text),
// and where the caret ends (an index into the new text).
struct ReplaceAllResult {
    std::vector<TextRange> ranges;
    qsizetype caret = 0;
};

// Replaces the selection when it is a hit, then every hit from there on in the chosen
// direction, in one pass, each search following the replacement before it as Replace does.
ReplaceAllResult replaceAll(QStringView text, qsizetype selStart, qsizetype selLength,
                            QStringView searchText, QStringView replaceText, FindOptions options);
