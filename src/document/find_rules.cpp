#include "document/find_rules.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

// Upper case through a table for the first 256 characters, so the scan makes no conversion
// call for them; the rare character beyond goes through QChar.
class CaseMap {
public:
    explicit CaseMap(bool matchCase) : m_matchCase(matchCase)
    {
        for (char16_t c = 0; c < 256; ++c)
            m_map[c] = matchCase ? QChar(c) : QChar(c).toUpper();
    }

    QChar operator()(QChar c) const
    {
        if (c.unicode() < 256)
            return m_map[c.unicode()];
        return m_matchCase ? c : c.toUpper();
    }

private:
    std::array<QChar, 256> m_map;
    bool m_matchCase;
};

// One search text with its options, ready to scan any number of texts.
class Scanner {
public:
    Scanner(QStringView searchText, FindOptions options)
        : m_map(options.matchCase), m_options(options)
    {
        m_pattern.reserve(searchText.size());
        for (QChar c : searchText)
            m_pattern.append(m_map(c));
    }

    // followedByDelimiter: whether what comes after the end of text is a delimiter (it is
    // when the text is whole; Replace All passes the start of its replaced text).
    std::optional<qsizetype> scan(QStringView text, qsizetype selStart, qsizetype selLength,
                                  bool followedByDelimiter = true) const
    {
        const qsizetype length = text.size();
        const qsizetype n = m_pattern.size();
        if (length <= 0 || n == 0)
            return std::nullopt;
        const bool down = m_options.down;
        // remaining counts the candidate positions from pos on, pos included.
        qsizetype pos = down ? selStart + selLength : selStart - n;
        if (pos < 0 || pos > length)
            return std::nullopt;
        qsizetype remaining = down ? length - n - pos + 1 : pos + 1;
        const qsizetype step = down ? 1 : -1;
        while (remaining > 0) {
            if (m_options.wholeWord && !moveToWordStart(text, pos, remaining))
                return std::nullopt;
            if (matchesAt(text, pos)) {
                if (!m_options.wholeWord)
                    return pos;
                const qsizetype after = pos + n;
                if (after < length ? !isWordCharacter(text[after]) : followedByDelimiter)
                    return pos;
            }
            pos += step;
            --remaining;
        }
        return std::nullopt;
    }

private:
    bool matchesAt(QStringView text, qsizetype pos) const
    {
        const QChar *at = text.data() + pos;
        for (qsizetype i = 0; i < m_pattern.size(); ++i) {
            if (m_map(at[i]) != m_pattern[i])
                return false;
        }
        return true;
    }

    // Every skipped character uses up a candidate; false when they run out.
    bool moveToWordStart(QStringView text, qsizetype &pos, qsizetype &remaining) const
    {
        const auto skip = [&](bool word, qsizetype step) {
            while (remaining > 0 && isWordCharacter(text[pos]) == word) {
                pos += step;
                --remaining;
            }
        };
        if (m_options.down) {
            skip(true, 1);
            skip(false, 1);
            return remaining > 0;
        }
        skip(false, -1);
        if (remaining == 0)
            return false;
        skip(true, -1);
        // Back onto the word's first character; the start of the text ends a word too.
        ++pos;
        ++remaining;
        return true;
    }

    CaseMap m_map;
    FindOptions m_options;
    QString m_pattern;
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
    // The old ranges that get replaced, in scan order.
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    const bool selected = selectionIsHit(text.mid(selStart, selLength), searchText);
    if (options.down) {
        // The next search starts where the old hit ended: the text after it is still old text.
        if (selected)
            ranges.emplace_back(selStart, selStart + selLength);
        std::optional<qsizetype> hit = scanner.scan(text, selStart, selLength);
        while (hit) {
            ranges.emplace_back(*hit, *hit + n);
            hit = scanner.scan(text, *hit, n);
        }
    } else {
        // The next search sees the old text before the last replaced range and, after it, the
        // first character of the new text from there on (none: the end of the text).
        qsizetype limit = text.size();
        std::optional<QChar> next;
        const auto replaced = [&](qsizetype from, qsizetype to) {
            ranges.emplace_back(from, to);
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
    result.count = int(ranges.size());
    result.from = ranges.front().first;
    result.to = ranges.back().second;
    result.text.reserve(result.to - result.from + result.count * (replaceText.size() - n));
    qsizetype copied = result.from;
    for (const auto &[from, to] : ranges) {
        result.text += text.mid(copied, from - copied);
        result.text += replaceText;
        copied = to;
    }
    result.caret = options.down ? result.from + result.text.size() : result.from;
    return result;
}
