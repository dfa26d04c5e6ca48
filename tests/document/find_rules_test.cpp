#include "document/find_rules.h"

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
    if (result.count == 0)
        return {text, 0, -1};
    return {text.left(result.from) + result.text + text.mid(result.to), result.count,
            result.caret};
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
    EXPECT_EQ(replaceAll(u"abc", 0, 0, u"x", u"y", Down).count, 0);
    EXPECT_EQ(replaceAll(u"abc", 0, 0, u"", u"y", Down).count, 0);
    EXPECT_EQ(replaceAll(u"", 0, 0, u"x", u"y", Up).count, 0);
}

TEST(ReplaceAll, ReplacementByNothingAndAdjacentHits)
{
    EXPECT_EQ(replaced("aaaa", 0, 0, "aa", "", Down).text, "");
    EXPECT_EQ(replaced("aaaaa", 5, 0, "aa", "b", Up).text, "abb");
    EXPECT_EQ(replaced("x\u2029y x", 0, 0, "x", "zz", Down).text, "zz\u2029y zz");
}

} // namespace
