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

    // followedByDelimiter: whether what comes after the end of text is a delimiter (it is
    // when the text is whole; Replace All passes the start of its replaced text).
    std::optional<qsizetype> scan(QStringView text, qsizetype selStart, qsizetype selLength,
                                  bool followedByDelimiter = true) const
    {
        const qsizetype length = text.size();
        const qsizetype n = qsizetype(m_pattern.size());
        if (length <= 0 || n == 0)
            return std::nullopt;
        const qsizetype start = m_options.down ? selStart + selLength : selStart - n;
        if (start < 0 || start > length)
            return std::nullopt;
        const auto isHit = [&](qsizetype pos) {
            if (m_options.wholeWord &&
                !(isWordStart(text, pos) && (!m_options.down || pos > start)))
                return false;
            if (!matchesAt(text, pos))
                return false;
            const qsizetype after = pos + n;
            return !m_options.wholeWord ||
                   (after < length ? !isWordCharacter(text[after]) : followedByDelimiter);
        };
        if (m_options.down) {
            NextOfAny next(text, m_firsts);
            for (qsizetype pos = next.from(start); pos <= length - n; pos = next.from(pos + 1)) {
                if (isHit(pos))
                    return pos;
            }
        } else {
            const char16_t first = m_pattern.front();
            for (qsizetype pos = std::min(start, length - n); pos >= 0; --pos) {
                if (m_map(text[pos]) == first && isHit(pos))
                    return pos;
            }
        }
        return std::nullopt;
    }

private:
    static bool isWordStart(QStringView text, qsizetype pos)
    {
        return isWordCharacter(text[pos]) && (pos == 0 || !isWordCharacter(text[pos - 1]));
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
    return Scanner(SearchText, Options).scan(Text, SelStart, SelLength);
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
    if (searchText.isEmpty())
        return result;
    const Scanner scanner(searchText, options);
    const qsizetype n = searchText.size();
    std::vector<TextRange> &ranges = result.ranges;
    const bool selected = selectionIsHit(text.mid(selStart, selLength), searchText);
    if (options.down) {
        // The next search starts where the old hit ended: the text after it is still old text.
        if (selected)
            ranges.push_back({selStart, selStart + selLength});
        std::optional<qsizetype> hit = scanner.scan(text, selStart, selLength);
        while (hit) {
            ranges.push_back({*hit, *hit + n});
            hit = scanner.scan(text, *hit, n);
        }
    } else {
        // The next search sees the old text before the last replaced range and, after it, the
        // first character of the new text from there on (none: the end of the text).
        qsizetype limit = text.size();
        std::optional<QChar> next;
        const auto replaced = [&](qsizetype from, qsizetype to) {
            ranges.push_back({from, to});
            if (!replaceText.isEmpty())
                next = replaceText.front();
            else if (to < limit)
                next = text[to];
            limit = from;
        };
        const auto scanBefore = [&] {
            return scanner.scan(text.left(limit), limit, 0, !next || !isWordCharacter(*next));
        };
        if (selected)
            replaced(selStart, selStart + selLength);
        std::optional<qsizetype> hit =
            selected ? scanBefore() : scanner.scan(text, selStart, selLength);
        while (hit) {
            replaced(*hit, *hit + n);
            hit = scanBefore();
        }
        std::reverse(ranges.begin(), ranges.end());
    }
    if (ranges.empty())
        return result;
    if (!options.down) {
        result.caret = ranges.front().from;
        return result;
    }
    // After the last replacement: every range before it changed the length by its own amount.
    qsizetype shift = 0;
    for (const TextRange &range : ranges)
        shift += replaceText.size() - (range.to - range.from);
    result.caret = ranges.back().to + shift;
    return result;
}
