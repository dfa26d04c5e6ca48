#include "document/find_rules.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// Upper case of every UTF-16 unit, built once: a scan makes no conversion call per character.
const std::array<char16_t, 0x10000> &upperCaseTable()
{
    static const std::array<char16_t, 0x10000> table = [] {
        std::array<char16_t, 0x10000> upper{};
        for (char32_t c = 0; c < 0x10000; ++c)
            upper[c] = QChar(char16_t(c)).toUpper().unicode();
        return upper;
    }();
    return table;
}

// Maps a character as the comparison sees it: itself with match case, else its upper case.
class CaseMap {
public:
    explicit CaseMap(bool matchCase) : m_upper(matchCase ? nullptr : upperCaseTable().data()) {}

    char16_t operator()(QChar c) const { return m_upper ? m_upper[c.unicode()] : c.unicode(); }

    // Every character that maps to c.
    std::vector<char16_t> sources(char16_t c) const
    {
        if (!m_upper)
            return {c};
        std::vector<char16_t> found;
        for (char32_t u = 0; u < 0x10000; ++u) {
            if (m_upper[u] == c)
                found.push_back(char16_t(u));
        }
        return found;
    }

private:
    const char16_t *m_upper;
};

// Going down, the next position that holds one of a few characters, each found by the
// library's fast single-character search; a character's next position is kept until passed,
// so no stretch of text is searched twice for it.
class NextOfAny {
public:
    NextOfAny(QStringView text, const std::vector<char16_t> &chars)
        : m_text(text), m_chars(chars), m_next(chars.size(), -1)
    {
    }

    // The smallest position from pos on holding one of the characters, or the text's length.
    qsizetype from(qsizetype pos)
    {
        qsizetype nearest = m_text.size();
        for (size_t i = 0; i < m_chars.size(); ++i) {
            if (m_next[i] < pos) { // not yet searched, or passed
                const qsizetype found = m_text.indexOf(QChar(m_chars[i]), pos);
                m_next[i] = found < 0 ? m_text.size() : found;
            }
            nearest = std::min(nearest, m_next[i]);
        }
        return nearest;
    }

private:
    QStringView m_text;
    const std::vector<char16_t> &m_chars;
    std::vector<qsizetype> m_next;
};

// One search text with its options, ready to scan any number of texts.
//
// The candidates compared are those whose first character matches. With whole word, they are
// also word starts: going down, those after the scan start (the word at the start is skipped),
// going up, those at or before it (so the word holding the scan start counts); this is where
// moving to the next word start from each candidate position ends up.
class Scanner {
public:
    Scanner(QStringView searchText, FindOptions options)
        : m_map(options.matchCase), m_options(options)
    {
        m_pattern.reserve(searchText.size());
        for (QChar c : searchText)
            m_pattern.push_back(m_map(c));
        if (!m_pattern.empty())
            m_firsts = m_map.sources(m_pattern.front());
    }

    qsizetype length() const { return qsizetype(m_pattern.size()); }

    // The first hit from start on; with whole word, at a word start after start.
    std::optional<qsizetype> down(QStringView text, qsizetype start) const
    {
        NextOfAny next(text, m_firsts);
        for (qsizetype pos = next.from(start); pos <= text.size() - length();
             pos = next.from(pos + 1)) {
            if ((!m_options.wholeWord || pos > start) && isHit(text, pos, true))
                return pos;
        }
        return std::nullopt;
    }

    // The first hit from start down to lowest. followedByDelimiter: whether what comes after
    // the end of text is a delimiter (it is when the text is whole).
    std::optional<qsizetype> up(QStringView text, qsizetype start, qsizetype lowest = 0,
                                bool followedByDelimiter = true) const
    {
        const char16_t first = m_pattern.front();
        for (qsizetype pos = std::min(start, text.size() - length()); pos >= lowest; --pos) {
            if (m_map(text[pos]) == first && isHit(text, pos, followedByDelimiter))
                return pos;
        }
        return std::nullopt;
    }

private:
    static bool isWordStart(QStringView text, qsizetype pos)
    {
        return isWordCharacter(text[pos]) && (pos == 0 || !isWordCharacter(text[pos - 1]));
    }

    bool isHit(QStringView text, qsizetype pos, bool followedByDelimiter) const
    {
        if (m_options.wholeWord && !isWordStart(text, pos))
            return false;
        if (!matchesAt(text, pos))
            return false;
        const qsizetype after = pos + length();
        return !m_options.wholeWord ||
               (after < text.size() ? !isWordCharacter(text[after]) : followedByDelimiter);
    }

    bool matchesAt(QStringView text, qsizetype pos) const
    {
        const QChar *at = text.data() + pos;
        for (size_t i = 0; i < m_pattern.size(); ++i) {
            if (m_map(at[i]) != m_pattern[i])
                return false;
        }
        return true;
    }

    CaseMap m_map;
    FindOptions m_options;
    std::u16string m_pattern;
    std::vector<char16_t> m_firsts;
};

} // namespace

bool isWordCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
}

std::optional<qsizetype> ScanBuffer(QStringView Text, qsizetype SelStart, qsizetype SelLength,
                                    QStringView SearchText, FindOptions Options)
{
    const qsizetype n = SearchText.size();
    if (Text.isEmpty() || n == 0)
        return std::nullopt;
    const qsizetype start = Options.down ? SelStart + SelLength : SelStart - n;
    if (start < 0 || start > Text.size())
        return std::nullopt;
    const Scanner scanner(SearchText, Options);
    return Options.down ? scanner.down(Text, start) : scanner.up(Text, start);
}

std::optional<qsizetype> findAfterReplace(QStringView text, qsizetype at, qsizetype length,
                                          QStringView searchText, FindOptions options)
{
    const qsizetype n = searchText.size();
    if (text.isEmpty() || n == 0)
        return std::nullopt;
    const Scanner scanner(searchText, options);
    if (options.down)
        return scanner.down(text, at + length);
    const qsizetype start = at + length - n;
    return start < 0 ? std::nullopt : scanner.up(text, std::min(start, at - 1));
}

bool selectionIsHit(QStringView selected, QStringView searchText)
{
    return !searchText.isEmpty() && selected.compare(searchText, Qt::CaseInsensitive) == 0;
}

QString cannotFindMessage(const QString &searchText)
{
    return QStringLiteral("Cannot find \"") + searchText + QStringLiteral("\".");
}

ReplaceAllResult replaceAll(QStringView text, qsizetype selStart, qsizetype selLength,
                            QStringView searchText, QStringView replaceText, FindOptions options)
{
    ReplaceAllResult result;
    if (searchText.isEmpty() || text.isEmpty())
        return result;
    const Scanner scanner(searchText, options);
    const qsizetype n = searchText.size();
    const qsizetype m = replaceText.size();
    std::vector<TextRange> &ranges = result.ranges;
    const bool selected = selectionIsHit(text.mid(selStart, selLength), searchText);
    if (options.down) {
        // The next search starts where the old hit ended: the text after it is still old text.
        if (selected)
            ranges.push_back({selStart, selStart + selLength});
        std::optional<qsizetype> hit = scanner.down(text, selStart + selLength);
        while (hit) {
            ranges.push_back({*hit, *hit + n});
            hit = scanner.down(text, *hit + n);
        }
    } else {
        // The text as it stands: the old text before at, the replacement, then the character
        // after (none: the end of the text).
        qsizetype at = text.size();
        qsizetype inserted = 0;
        std::optional<QChar> after;
        const auto charAt = [&](qsizetype pos) -> std::optional<QChar> {
            if (pos < at)
                return text[pos];
            if (pos - at < inserted)
                return replaceText[pos - at];
            return after;
        };
        const auto replaced = [&](qsizetype from, qsizetype to) {
            ranges.push_back({from, to});
            after = charAt(to);
            at = from;
            inserted = m;
        };
        // Searches where the loop would search next, but before the text just inserted: a
        // replacement that holds the search text would be found there again and again.
        const auto nextHit = [&]() -> std::optional<qsizetype> {
            const qsizetype start = at + m - n;
            if (start < 0)
                return std::nullopt;
            // Hits that run into the new text, in a piece of the text around its start.
            const qsizetype from = std::max<qsizetype>(0, at - n);
            QString piece = text.mid(from, at - from).toString();
            piece += replaceText.left(n + 1);
            if (m <= n && after)
                piece += *after;
            if (const auto hit = scanner.up(piece, std::min(start, at - 1) - from,
                                            std::max<qsizetype>(0, at - n + 1) - from))
                return from + *hit;
            const std::optional<QChar> next = charAt(at);
            return scanner.up(text.left(at), at - n, 0, !next || !isWordCharacter(*next));
        };
        if (selected)
            replaced(selStart, selStart + selLength);
        std::optional<qsizetype> hit =
            selected ? nextHit() : ScanBuffer(text, selStart, selLength, searchText, options);
        while (hit) {
            replaced(*hit, *hit + n);
            hit = nextHit();
        }
        std::reverse(ranges.begin(), ranges.end());
    }
    if (ranges.empty())
        return result;
    if (!options.down) {
        // After the last replacement, the lowest: nothing before it moved.
        result.caret = ranges.front().from + m;
        return result;
    }
    // After the last replacement: every range before it changed the length by its own amount.
    qsizetype shift = 0;
    for (const TextRange &range : ranges)
        shift += m - (range.to - range.from);
    result.caret = ranges.back().to + shift;
    return result;
}
