#include "document/find_rules.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr FindOptions Down{true, false, false};
constexpr FindOptions Up{false, false, false};
constexpr FindOptions DownCase{true, true, false};
constexpr FindOptions DownWord{true, false, true};
constexpr FindOptions UpWord{false, false, true};

std::optional<qsizetype> scan(const QString &text, qsizetype start, qsizetype length,
                              const QString &search, FindOptions options)
{
    return ScanBuffer(text, start, length, search, options);
}

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

TEST(ScanBuffer, CaseInsensitiveDownFindsEachHitThenNone)
{
    const QString text = "HTML html";
    EXPECT_EQ(scan(text, 0, 0, "html", Down), 0);
    EXPECT_EQ(scan(text, 0, 4, "html", Down), 5);
    EXPECT_EQ(scan(text, 5, 4, "html", Down), std::nullopt);
}

TEST(ScanBuffer, MatchCaseFindsOnlyTheExactSpelling)
{
    EXPECT_EQ(scan("HTML html", 0, 0, "html", DownCase), 5);
    EXPECT_EQ(scan("HTML html", 5, 4, "html", DownCase), std::nullopt);
    EXPECT_EQ(scan("HTML html", 0, 0, "HTML", DownCase), 0);
}

TEST(ScanBuffer, CaseMapCoversLatin1AndBeyond)
{
    EXPECT_EQ(scan("x \u00C4RGER", 0, 0, "\u00E4rger", Down), 2);
    EXPECT_EQ(scan("x \u00C4RGER", 0, 0, "\u00E4rger", DownCase), std::nullopt);
    EXPECT_EQ(scan("x \u0416\u0430", 0, 0, "\u0436\u0410", Down), 2); // Cyrillic
}

TEST(ScanBuffer, WholeWordSkipsDelimitersAndWordsFollowedByWordCharacters)
{
    const QString text = "<B>bold</B>";
    EXPECT_EQ(scan(text, 0, 0, "B", DownWord), 1);
    EXPECT_EQ(scan(text, 1, 1, "B", DownWord), 9);
    EXPECT_EQ(scan(text, 9, 1, "B", DownWord), std::nullopt);
}

TEST(ScanBuffer, WholeWordDownSkipsTheWordAtTheScanStart)
{
    EXPECT_EQ(scan("cat dog cat", 0, 0, "cat", DownWord), 8);
    EXPECT_EQ(scan("cat dog cat", 0, 0, "cat", Down), 0);
    EXPECT_EQ(scan("cat dog cat", 1, 0, "cat", DownWord), 8); // inside the word, too
    EXPECT_EQ(scan("cats cat", 3, 0, "cat", DownWord), 5);
}

TEST(ScanBuffer, WholeWordDelimitersAreEverythingButAsciiLettersAndDigits)
{
    EXPECT_EQ(scan("x caf\u00E9", 0, 0, "caf", DownWord), 2); // é ends the word
    EXPECT_EQ(scan("x a_b", 0, 0, "a", DownWord), 2);
    EXPECT_EQ(scan("x a\u2029b", 0, 0, "a", DownWord), 2); // a line break
    EXPECT_EQ(scan("x a1", 0, 0, "a", DownWord), std::nullopt);
    EXPECT_TRUE(isWordCharacter('Z') && isWordCharacter('z') && isWordCharacter('0'));
    EXPECT_FALSE(isWordCharacter('_') || isWordCharacter(QChar(0xE9)) || isWordCharacter('\n'));
}

TEST(ScanBuffer, WholeWordFailsWhenTheCandidatesRunOutWhileSkipping)
{
    EXPECT_EQ(scan("abc def", 0, 0, "de", DownWord), std::nullopt);
    EXPECT_EQ(scan("abc de", 0, 0, "de", DownWord), 4);
    EXPECT_EQ(scan("ab   ", 5, 0, "x", UpWord), std::nullopt);
}

TEST(ScanBuffer, UpFindsTheLastHitFirstDownToIndexZero)
{
    const QString text = "cat dog cat";
    EXPECT_EQ(scan(text, 11, 0, "cat", Up), 8);
    EXPECT_EQ(scan(text, 8, 3, "cat", Up), 0);
    EXPECT_EQ(scan(text, 0, 3, "cat", Up), std::nullopt);
    EXPECT_EQ(scan(text, 11, 0, "cat", UpWord), 8);
    EXPECT_EQ(scan(text, 8, 3, "cat", UpWord), 0); // the start of the text ends a word
}

TEST(ScanBuffer, UpWholeWordMovesToTheFirstCharacterOfTheWord)
{
    EXPECT_EQ(scan("concat cat", 10, 0, "cat", UpWord), 7);
    EXPECT_EQ(scan("concat cat", 7, 3, "cat", UpWord), std::nullopt);
    EXPECT_EQ(scan("bold B", 6, 0, "B", UpWord), 5);
    EXPECT_EQ(scan("bold B", 5, 1, "B", UpWord), std::nullopt); // b of bold is followed by o
}

TEST(ScanBuffer, HitEndingOnTheLastCharacterIsFoundDown)
{
    EXPECT_EQ(scan("abcxyz", 0, 0, "xyz", Down), 3);
    EXPECT_EQ(scan("abcxyz", 3, 0, "xyz", Down), 3);
    EXPECT_EQ(scan("abcxyz", 4, 0, "xyz", Down), std::nullopt);
    EXPECT_EQ(scan("abc xyz", 0, 0, "xyz", DownWord), 4);
}

TEST(ScanBuffer, NoHitOutsideTheText)
{
    EXPECT_EQ(scan("", 0, 0, "a", Down), std::nullopt);
    EXPECT_EQ(scan("abc", 0, 0, "", Down), std::nullopt);
    EXPECT_EQ(scan("abc", 2, 2, "a", Down), std::nullopt); // starts beyond the end
    EXPECT_EQ(scan("abc", 1, 0, "ab", Up), std::nullopt);  // starts before 0
    EXPECT_EQ(scan("abc", 0, 0, "abcd", Down), std::nullopt);
    EXPECT_EQ(scan("abc", 2, 0, "ab", Up), 0);
}

TEST(ScanBuffer, AgreesWithTheStepByStepScanOnRandomTexts)
{
    const QString alphabet = QStringLiteral("aAbB1 .<\u00E9\u0131\u2029");
    QRandomGenerator random(7);
    const auto randomText = [&](int maxLength) {
        QString text;
        const int length = int(random.bounded(maxLength + 1));
        for (int i = 0; i < length; ++i)
            text += alphabet[int(random.bounded(int(alphabet.size())))];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(14);
        const QString search = randomText(3);
        const qsizetype start = random.bounded(int(text.size()) + 1);
        const qsizetype length =
            random.bounded(int(std::min<qsizetype>(text.size() - start, 2)) + 1);
        const FindOptions options{random.bounded(2) == 0, random.bounded(2) == 0,
                                  random.bounded(2) == 0};
        ASSERT_EQ(ScanBuffer(text, start, length, search, options),
                  stepByStep(text, start, length, search, options))
            << text.toStdString() << " / " << search.toStdString() << " at " << start << "+"
            << length << " down " << options.down << " case " << options.matchCase << " word "
            << options.wholeWord;
    }
}

TEST(FindMessages, CannotFindQuotesTheSearchTextAsTyped)
{
    EXPECT_EQ(cannotFindMessage("x\"y %1"), "Cannot find \"x\"y %1\".");
    EXPECT_EQ(cannotFindMessage(""), "Cannot find \"\".");
}

TEST(SelectionIsHit, IgnoresCaseAndNeedsASearchText)
{
    EXPECT_TRUE(selectionIsHit(u"HtMl", u"html"));
    EXPECT_TRUE(selectionIsHit(u"\u00C4", u"\u00E4"));
    EXPECT_FALSE(selectionIsHit(u"htm", u"html"));
    EXPECT_FALSE(selectionIsHit(u"", u""));
}

TEST(FindAfterReplace, SearchesOnFromTheReplacementButNeverInsideIt)
{
    const struct {
        const char *name;
        QString text; // after the replacement
        qsizetype at, length;
        QString search;
        FindOptions options;
        std::optional<qsizetype> hit;
    } cases[] = {
        {"UpRunsIntoTheReplacement", "ab", 1, 1, "ab", Up, 0},
        {"UpNotInsideTheReplacement", "xab", 0, 3, "ab", Up, std::nullopt},
        {"UpBeforeAReplacementHoldingTheHit", "abxab", 2, 3, "ab", Up, 0},
        {"UpStartsBeforeTheText", "ab", 0, 1, "abc", Up, std::nullopt},
        {"DownAfterTheReplacement", "xab ab", 0, 3, "ab", Down, 4},
        {"DownWordAfterTheReplacement", "cat cat", 0, 3, "cat", DownWord, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findAfterReplace(c.text, c.at, c.length, c.search, c.options), c.hit);
    }
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

// Replace All as the loop is described, one replacement after another on the text, each search
// starting at the caret the replacement left. Going up, a hit inside the text just inserted
// would be found again and again, so the search goes on before that text instead.
Replaced replacedStepByStep(QString text, qsizetype start, qsizetype length, const QString &search,
                            const QString &replacement, FindOptions options)
{
    const qsizetype n = search.size();
    int count = 0;
    qsizetype inserted = -1;
    const auto replaceAt = [&](qsizetype from, qsizetype old) {
        text.replace(from, old, replacement);
        ++count;
        inserted = from;
        start = from + replacement.size();
        length = 0;
    };
    if (!search.isEmpty() && selectionIsHit(QStringView(text).mid(start, length), search))
        replaceAt(start, length);
    for (;;) {
        std::optional<qsizetype> hit = stepByStep(text, start, length, search, options);
        if (hit && !options.down && inserted >= 0 && *hit >= inserted)
            hit = stepByStep(text, inserted - 1 + n, 0, search, options);
        if (!hit)
            break;
        replaceAt(*hit, n);
    }
    return {text, count, count ? start : -1};
}

struct ReplaceAllCase {
    const char *name;
    QString text;
    qsizetype start, length;
    QString search, replacement;
    FindOptions options;
    Replaced expected;
};

TEST(ReplaceAll, Cases)
{
    constexpr FindOptions UpCase{false, true, false};
    const ReplaceAllCase cases[] = {
        {"DownFromTheStart",
         "<B>a</B> <b>b</b><B>",
         0,
         0,
         "<B>",
         "<STRONG>",
         Down,
         {"<STRONG>a</B> <STRONG>b</b><STRONG>", 3, 35}},
        {"DownFromTheSelection", "ab ab ab", 3, 0, "ab", "X", Down, {"ab X X", 2, 6}},
        {"SelectedHitWhateverTheCase", "HTML html", 0, 4, "html", "x", DownCase, {"x x", 2, 3}},
        {"UpSelectedHitWhateverTheCase", "html HTML", 5, 4, "html", "x", UpCase, {"x x", 2, 1}},
        {"UpStopsAtTheSelection", "ab ab ab", 5, 0, "ab", "X", Up, {"X X ab", 2, 1}},
        {"UpReplacementHoldingTheSearchText", "abab", 4, 0, "ab", "xab", Up, {"xabxab", 2, 3}},
        {"UpReplacementHoldingAWholeWord",
         "x cat y cat",
         11,
         0,
         "cat",
         "concat",
         Up,
         {"x concat y concat", 2, 8}},
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
    for (const ReplaceAllCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replaced(c.text, c.start, c.length, c.search, c.replacement, c.options),
                  c.expected);
        EXPECT_EQ(replacedStepByStep(c.text, c.start, c.length, c.search, c.replacement, c.options),
                  c.expected);
    }
}

TEST(ReplaceAll, AgreesWithTheStepByStepLoopOnRandomTexts)
{
    const QString alphabet = QStringLiteral("aAb1 .");
    QRandomGenerator random(11);
    const auto randomText = [&](int minLength, int maxLength) {
        QString text;
        const int length = int(random.bounded(minLength, maxLength + 1));
        for (int i = 0; i < length; ++i)
            text += alphabet[int(random.bounded(int(alphabet.size())))];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(0, 10);
        const QString search = randomText(1, 3);
        const QString replacement = randomText(0, 4);
        const qsizetype start = random.bounded(int(text.size()) + 1);
        const qsizetype length =
            random.bounded(int(std::min<qsizetype>(text.size() - start, 3)) + 1);
        const FindOptions options{random.bounded(2) == 0, random.bounded(2) == 0,
                                  random.bounded(2) == 0};
        ASSERT_EQ(replaced(text, start, length, search, replacement, options),
                  replacedStepByStep(text, start, length, search, replacement, options))
            << text.toStdString() << " / " << search.toStdString() << " -> "
            << replacement.toStdString() << " at " << start << "+" << length << " down "
            << options.down << " case " << options.matchCase << " word " << options.wholeWord;
    }
}

} // namespace
