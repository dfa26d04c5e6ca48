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

// The text after Replace All, and the caret it leaves.
struct Replaced {
    QString text;
    int count;
    qsizetype caret;
};

Replaced replaced(const QString &text, qsizetype start, qsizetype length, const QString &search,
                  const QString &replacement, FindOptions options)
{
    const ReplaceAllResult result = replaceAll(text, start, length, search, replacement, options);
    QString after;
    qsizetype copied = 0;
    for (const TextRange &range : result.ranges) {
        EXPECT_LE(copied, range.from);
        after += text.mid(copied, range.from - copied) + replacement;
        copied = range.to;
    }
    after += text.mid(copied);
    return {after, int(result.ranges.size()), result.ranges.empty() ? -1 : result.caret};
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

TEST(ReplaceAll, DownReplacesEveryHitFromTheSelectionOn)
{
    const Replaced all = replaced("<B>a</B> <b>b</b><B>", 0, 0, "<B>", "<STRONG>", Down);
    EXPECT_EQ(all.text, "<STRONG>a</B> <STRONG>b</b><STRONG>");
    EXPECT_EQ(all.count, 3);
    EXPECT_EQ(all.caret, all.text.size());
    EXPECT_EQ(replaceAll(u"<B>a</B> <b>b</b><B>", 0, 0, u"<B>", u"<STRONG>", Down).ranges,
              (std::vector<TextRange>{{0, 3}, {9, 12}, {17, 20}}));

    const Replaced rest = replaced("ab ab ab", 3, 0, "ab", "X", Down);
    EXPECT_EQ(rest.text, "ab X X");
    EXPECT_EQ(rest.caret, 6);
}

TEST(ReplaceAll, ReplacesTheSelectionFirstWhenItIsAHitWhateverTheCase)
{
    const Replaced all = replaced("HTML html", 0, 4, "html", "x", DownCase);
    EXPECT_EQ(all.text, "x x");
    EXPECT_EQ(all.count, 2);
    const Replaced up = replaced("html HTML", 5, 4, "html", "x", FindOptions{false, true, false});
    EXPECT_EQ(up.text, "x x");
    EXPECT_EQ(up.caret, 0);
}

TEST(ReplaceAll, UpWithAReplacementHoldingTheSearchTextTerminates)
{
    const Replaced all = replaced("abab", 4, 0, "ab", "xab", Up);
    EXPECT_EQ(all.text, "xabxab");
    EXPECT_EQ(all.count, 2);
    EXPECT_EQ(all.caret, 0);

    const Replaced cats = replaced("x cat y cat", 11, 0, "cat", "concat", Up);
    EXPECT_EQ(cats.text, "x concat y concat");
    EXPECT_EQ(cats.count, 2);
}

TEST(ReplaceAll, UpStopsAtTheSelection)
{
    const Replaced all = replaced("ab ab ab", 5, 0, "ab", "X", Up);
    EXPECT_EQ(all.text, "X X ab");
    EXPECT_EQ(all.caret, 0);
}

TEST(ReplaceAll, UpWholeWordLooksAtTheNewTextAfterAHit)
{
    // After the second "a." is replaced, the first is followed by the new text, not the old.
    EXPECT_EQ(replaced("a.a.", 4, 0, "a.", "-", UpWord).text, "--");
    EXPECT_EQ(replaced("a.a.", 4, 0, "a.", "", UpWord).text, "");
    EXPECT_EQ(replaced("a.a.!", 5, 0, "a.", "", UpWord).text, "!");
    EXPECT_EQ(replaced("a.a.", 4, 0, "a.", "b", UpWord).text, "a.b");
    EXPECT_EQ(replaced("a.a.", 0, 0, "a.", "-", DownWord).text, "a.-");
}

TEST(ReplaceAll, NothingToReplace)
{
    EXPECT_TRUE(replaceAll(u"abc", 0, 0, u"x", u"y", Down).ranges.empty());
    EXPECT_TRUE(replaceAll(u"abc", 0, 0, u"", u"y", Down).ranges.empty());
    EXPECT_TRUE(replaceAll(u"", 0, 0, u"x", u"y", Up).ranges.empty());
}

TEST(ReplaceAll, ReplacementByNothingAndAdjacentHits)
{
    EXPECT_EQ(replaced("aaaa", 0, 0, "aa", "", Down).text, "");
    EXPECT_EQ(replaced("aaaaa", 5, 0, "aa", "b", Up).text, "abb");
    EXPECT_EQ(replaced("x\u2029y x", 0, 0, "x", "zz", Down).text, "zz\u2029y zz");
}

} // namespace
