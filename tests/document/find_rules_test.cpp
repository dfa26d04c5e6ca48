#include "document/find_rules.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr FindOptions Down{true, false, false};
constexpr FindOptions Up{false, false, false};
constexpr FindOptions DownCase{true, true, false};
constexpr FindOptions UpCase{false, true, false};
constexpr FindOptions DownWord{true, false, true};
constexpr FindOptions UpWord{false, false, true};

// The scan exactly as described step by step: every candidate position in turn, whole word
// moving to the next word start first, each skipped character using up a candidate.
std::optional<qsizetype> stepByStep(QStringView text, qsizetype selStart, qsizetype selLength,
                                    QStringView search, FindOptions options)
{
    const qsizetype length = text.size();
    const qsizetype n = search.size();
    if (length <= 0 || n == 0)
        return std::nullopt;
    const auto map = [&](QChar c) { return options.matchCase ? c : c.toUpper(); };
    qsizetype pos = options.down ? selStart + selLength : selStart - n;
    if (pos < 0 || pos > length)
        return std::nullopt;
    qsizetype remaining = options.down ? length - n - pos + 1 : pos + 1;
    const qsizetype step = options.down ? 1 : -1;
    const auto skip = [&](bool word, qsizetype by) {
        while (remaining > 0 && isWordCharacter(text[pos]) == word) {
            pos += by;
            --remaining;
        }
    };
    while (remaining > 0) {
        if (options.wholeWord) {
            if (options.down) {
                skip(true, 1);
                skip(false, 1);
                if (remaining == 0)
                    return std::nullopt;
            } else {
                skip(false, -1);
                if (remaining == 0)
                    return std::nullopt;
                skip(true, -1);
                ++pos; // the start of the text ends a word, too
                ++remaining;
            }
        }
        bool match = true;
        for (qsizetype i = 0; i < n && match; ++i)
            match = map(text[pos + i]) == map(search[i]);
        if (match && (!options.wholeWord || pos + n >= length || !isWordCharacter(text[pos + n])))
            return pos;
        pos += step;
        --remaining;
    }
    return std::nullopt;
}

// Random texts and searches over a few characters the rules treat alike or apart.
QString randomText(QRandomGenerator &random, QStringView alphabet, int minLength, int maxLength)
{
    QString text;
    for (int i = int(random.bounded(minLength, maxLength + 1)); i > 0; --i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

FindOptions randomOptions(QRandomGenerator &random)
{
    return {random.bounded(2) == 0, random.bounded(2) == 0, random.bounded(2) == 0};
}

std::string describe(const QString &text, const QString &search, qsizetype start, qsizetype length,
                     FindOptions options)
{
    return (text + " / " + search).toStdString() + " at " + std::to_string(start) + "+" +
           std::to_string(length) + (options.down ? " down" : " up") +
           (options.matchCase ? " case" : "") + (options.wholeWord ? " word" : "");
}

// Each row holds for the scan and for the step-by-step description alike.
TEST(ScanBuffer, Cases)
{
    const struct {
        QString text;
        qsizetype start, length;
        QString search;
        FindOptions options;
        std::optional<qsizetype> hit;
    } cases[] = {
        // Case is ignored unless asked for, beyond ASCII too.
        {"HTML html", 0, 0, "html", Down, 0},
        {"HTML html", 0, 4, "html", Down, 5},
        {"HTML html", 5, 4, "html", Down, {}},
        {"HTML html", 0, 0, "html", DownCase, 5},
        {"HTML html", 5, 4, "html", DownCase, {}},
        {"x \u00C4RGER", 0, 0, "\u00E4rger", Down, 2},
        {"x \u00C4RGER", 0, 0, "\u00E4rger", DownCase, {}},
        {"x \u0416\u0430", 0, 0, "\u0436\u0410", Down, 2},
        // Whole word: delimiters are all but ASCII letters and digits; the word at the start of
        // a downward scan is skipped, even from inside it.
        {"<B>bold</B>", 0, 0, "B", DownWord, 1},
        {"<B>bold</B>", 1, 1, "B", DownWord, 9},
        {"<B>bold</B>", 9, 1, "B", DownWord, {}},
        {"cat dog cat", 0, 0, "cat", DownWord, 8},
        {"cat dog cat", 1, 0, "cat", DownWord, 8},
        {"cats cat", 3, 0, "cat", DownWord, 5},
        {"x caf\u00E9", 0, 0, "caf", DownWord, 2},
        {"x a_b", 0, 0, "a", DownWord, 2},
        {"x a\u2029b", 0, 0, "a", DownWord, 2},
        {"x a1", 0, 0, "a", DownWord, {}},
        {"abc def", 0, 0, "de", DownWord, {}}, // candidates run out while skipping
        {"abc de", 0, 0, "de", DownWord, 4},
        {"ab   ", 5, 0, "x", UpWord, {}},
        // Up finds the last hit first, down to index 0, and moves to a word's first character.
        {"cat dog cat", 11, 0, "cat", Up, 8},
        {"cat dog cat", 8, 3, "cat", Up, 0},
        {"cat dog cat", 8, 3, "cat", UpWord, 0},
        {"concat cat", 10, 0, "cat", UpWord, 7},
        {"concat cat", 7, 3, "cat", UpWord, {}},
        {"bold B", 6, 0, "B", UpWord, 5},
        {"bold B", 5, 1, "B", UpWord, {}}, // the b of bold is followed by o
        // The ends of the text.
        {"abcxyz", 3, 0, "xyz", Down, 3},
        {"abcxyz", 4, 0, "xyz", Down, {}},
        {"abc xyz", 0, 0, "xyz", DownWord, 4},
        {"", 0, 0, "a", Down, {}},
        {"abc", 0, 0, "", Down, {}},
        {"abc", 2, 2, "a", Down, {}}, // starts beyond the end
        {"abc", 1, 0, "ab", Up, {}},  // starts before 0
        {"abc", 0, 0, "abcd", Down, {}},
        {"abc", 2, 0, "ab", Up, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(describe(c.text, c.search, c.start, c.length, c.options));
        EXPECT_EQ(ScanBuffer(c.text, c.start, c.length, c.search, c.options), c.hit);
        EXPECT_EQ(stepByStep(c.text, c.start, c.length, c.search, c.options), c.hit);
    }
}

TEST(ScanBuffer, AgreesWithTheStepByStepScanOnRandomTexts)
{
    const QString alphabet = QStringLiteral("aAbB1 .<\u00E9\u0131\u2029");
    QRandomGenerator random(7);
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(random, alphabet, 0, 14);
        const QString search = randomText(random, alphabet, 0, 3);
        const qsizetype start = random.bounded(int(text.size()) + 1);
        const qsizetype length =
            random.bounded(int(std::min<qsizetype>(text.size() - start, 2)) + 1);
        const FindOptions options = randomOptions(random);
        ASSERT_EQ(ScanBuffer(text, start, length, search, options),
                  stepByStep(text, start, length, search, options))
            << describe(text, search, start, length, options);
    }
}

TEST(FindRules, MessageQuotesTheSearchAsTypedAndASelectionHitIgnoresCase)
{
    EXPECT_EQ(cannotFindMessage("x\"y %1"), "Cannot find \"x\"y %1\".");
    EXPECT_EQ(cannotFindMessage(""), "Cannot find \"\".");
    EXPECT_TRUE(selectionIsHit(u"HtMl", u"html"));
    EXPECT_TRUE(selectionIsHit(u"\u00C4", u"\u00E4"));
    EXPECT_FALSE(selectionIsHit(u"htm", u"html"));
    EXPECT_FALSE(selectionIsHit(u"", u""));
}

// The text after Replace All, and the caret it leaves (-1: nothing replaced).
struct Replaced {
    QString text;
    int count;
    qsizetype caret;
    bool operator==(const Replaced &) const = default;
};

void PrintTo(const Replaced &r, std::ostream *out)
{
    *out << '"' << r.text.toStdString() << "\" count " << r.count << " caret " << r.caret;
}

Replaced replaced(const QString &text, qsizetype start, qsizetype length, const QString &search,
                  const QString &replacement, FindOptions options)
{
    const ReplaceAllResult result = replaceAll(text, start, length, search, replacement, options);
    QString after = text;
    for (auto range = result.ranges.rbegin(); range != result.ranges.rend(); ++range)
        after.replace(range->from, range->to - range->from, replacement);
    return {after, int(result.ranges.size()), result.ranges.empty() ? -1 : result.caret};
}

// Replace All as Replace repeated: the selection when it is a hit, else the first hit found,
// then each hit the search after a replacement finds.
Replaced replacedOneByOne(QString text, qsizetype start, qsizetype length, const QString &search,
                          const QString &replacement, FindOptions options)
{
    std::optional<qsizetype> hit = start;
    if (!selectionIsHit(QStringView(text).mid(start, length), search)) {
        hit = stepByStep(text, start, length, search, options);
        length = search.size();
    }
    int count = 0;
    for (; hit; ++count) {
        text.replace(*hit, length, replacement);
        start = *hit + replacement.size();
        length = search.size();
        hit = findAfterReplace(text, *hit, replacement.size(), search, options);
    }
    return {text, count, count ? start : -1};
}

TEST(ReplaceAll, Cases)
{
    const struct {
        const char *name;
        QString text;
        qsizetype start, length;
        QString search, replacement;
        FindOptions options;
        Replaced expected;
    } cases[] = {
        {"DownFromTheStart", "<B>a<b>b<B>", 0, 0, "<B>", "<S>", Down, {"<S>a<S>b<S>", 3, 11}},
        {"DownFromTheSelection", "ab ab ab", 3, 0, "ab", "X", Down, {"ab X X", 2, 6}},
        {"SelectedHitWhateverTheCase", "HTML html", 0, 4, "html", "x", DownCase, {"x x", 2, 3}},
        {"UpSelectedHitWhateverTheCase", "html HTML", 5, 4, "html", "x", UpCase, {"x x", 2, 1}},
        {"UpStopsAtTheSelection", "ab ab ab", 5, 0, "ab", "X", Up, {"X X ab", 2, 1}},
        {"UpReplacementHoldingTheSearchText", "abab", 4, 0, "ab", "xab", Up, {"xabxab", 2, 3}},
        {"UpNewTextHoldsIt", "x cat cat", 9, 0, "cat", "concat", Up, {"x concat concat", 2, 8}},
        {"UpHitOnlyInsideTheReplacement", "ab", 2, 0, "ab", "abab", Up, {"abab", 1, 4}},
        {"UpHitMadeOfOldAndNewText", "aab", 3, 0, "ab", "b", Up, {"b", 2, 1}},
        {"UpSelectedHitThenOldAndNewText", "aAB", 1, 2, "ab", "b", Up, {"b", 2, 1}},
        {"UpLongerReplacementMakesAHit", "aab", 3, 0, "ab", "bb", Up, {"bbb", 2, 2}},
        {"UpWordFollowedByNewText", "a.a.", 4, 0, "a.", "-", UpWord, {"--", 2, 1}},
        {"UpWordFollowedByNothing", "a.a.", 4, 0, "a.", "", UpWord, {"", 2, 0}},
        {"UpWordFollowedByOldText", "a.a.!", 5, 0, "a.", "", UpWord, {"!", 2, 0}},
        {"UpWordFollowedByAWordCharacter", "a.a.", 4, 0, "a.", "b", UpWord, {"a.b", 1, 3}},
        {"UpWordEmptyReplacementInsideAWord", "aab", 1, 1, "a", "", UpWord, {"ab", 1, 1}},
        {"DownWordSkipsTheWordAtTheStart", "a.a.", 0, 0, "a.", "-", DownWord, {"a.-", 1, 3}},
        {"DownByNothing", "aaaa", 0, 0, "aa", "", Down, {"", 2, 0}},
        {"UpAdjacentHits", "aaaaa", 5, 0, "aa", "b", Up, {"abb", 2, 2}},
        {"DownOverLineBreaks", "x\u2029y x", 0, 0, "x", "zz", Down, {"zz\u2029y zz", 2, 7}},
        {"NoHit", "abc", 0, 0, "x", "y", Down, {"abc", 0, -1}},
        {"NoSearchText", "abc", 0, 0, "", "y", Down, {"abc", 0, -1}},
        {"NoText", "", 0, 0, "x", "y", Up, {"", 0, -1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replaced(c.text, c.start, c.length, c.search, c.replacement, c.options),
                  c.expected);
        EXPECT_EQ(replacedOneByOne(c.text, c.start, c.length, c.search, c.replacement, c.options),
                  c.expected);
    }
}

TEST(ReplaceAll, AgreesWithReplaceRepeatedOnRandomTexts)
{
    const QString alphabet = QStringLiteral("aAb1 .");
    QRandomGenerator random(11);
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(random, alphabet, 0, 10);
        const QString search = randomText(random, alphabet, 1, 3);
        const QString replacement = randomText(random, alphabet, 0, 4);
        const qsizetype start = random.bounded(int(text.size()) + 1);
        const qsizetype length =
            random.bounded(int(std::min<qsizetype>(text.size() - start, 3)) + 1);
        const FindOptions options = randomOptions(random);
        ASSERT_EQ(replaced(text, start, length, search, replacement, options),
                  replacedOneByOne(text, start, length, search, replacement, options))
            << describe(text, search, start, length, options) << " -> "
            << replacement.toStdString();
    }
}

} // namespace
