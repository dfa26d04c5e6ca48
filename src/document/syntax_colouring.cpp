#include "document/syntax_colouring.h"

#include "controls/color_convert.h"
#include "document/long_line.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Lines too long to lay out are not coloured: their state passes through unchanged.
LineState stateAfter(const QTextBlock &block, LineState state)
{
    return isLongLine(block) ? state : colourLine(block.text(), state).out;
}

// What the line before hands on, as it last knew it.
LineState keptBefore(const QTextBlock &line)
{
    const QTextBlock previous = line.previous();
    return previous.isValid() && previous.userState() >= 0 ? LineState::unpack(previous.userState())
                                                           : LineState{};
}

} // namespace

SyntaxColouring::SyntaxColouring(QTextDocument *document, const SyntaxColours &colours,
                                 std::function<void()> stale)
    : QObject(document), m_document(document), m_stale(std::move(stale))
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &SyntaxColouring::catchUp);
    const quint32 values[] = {colours.text, colours.links, colours.images, colours.other};
    for (size_t i = 0; i < m_formats.size(); ++i) {
        m_formats[i].setForeground(toQColor(values[i]));
        // Drawn without a background, a range that touches one drawn before is left out.
        m_formats[i].setBackground(Qt::transparent);
    }
    connect(document, &QTextDocument::contentsChange, this, [this](int from, int, int) {
        m_validUntil = qMin(m_validUntil, m_document->findBlock(from).blockNumber());
    });
}

LineState SyntaxColouring::stateBefore(const QTextBlock &block)
{
    const int target = block.blockNumber();
    if (target <= m_validUntil)
        return keptBefore(block);
    const bool near = target - m_validUntil <= kWalk;
    QTextBlock line = block;
    if (near) {
        line = m_document->findBlockByNumber(m_validUntil);
    } else {
        for (int walked = 0; walked < kWalk && line.previous().userState() < 0; ++walked)
            line = line.previous();
        m_guessedFrom = target;
        m_idle.start(0);
    }
    LineState state = keptBefore(line);
    for (; line != block; line = line.next()) {
        state = stateAfter(line, state);
        line.setUserState(state.pack());
    }
    if (near)
        m_validUntil = target;
    return state;
}

QList<QTextLayout::FormatRange> SyntaxColouring::colour(const QTextBlock &block, LineState &state,
                                                        bool &changed)
{
    QList<QTextLayout::FormatRange> formats;
    if (!isLongLine(block)) {
        const ColouredLine line = colourLine(block.text(), state);
        formats.reserve(line.ranges.size());
        for (const ColourRange &range : line.ranges)
            formats.append({range.start, range.length, m_formats[size_t(range.colour)]});
        state = line.out;
    }
    const int kept = block.userState();
    changed = kept >= 0 && kept != state.pack();
    QTextBlock(block).setUserState(state.pack());
    return formats;
}

void SyntaxColouring::catchUp()
{
    if (m_guessedFrom <= m_validUntil)
        return;
    QElapsedTimer slice;
    slice.start();
    QTextBlock line = m_document->findBlockByNumber(m_validUntil);
    LineState state = keptBefore(line);
    int number = m_validUntil;
    bool guessedRight = true;
    while (line.isValid() && number < m_guessedFrom &&
           !(number % 256 == 0 && slice.elapsed() >= 4)) {
        state = stateAfter(line, state);
        guessedRight = line.userState() == state.pack();
        line.setUserState(state.pack());
        line = line.next();
        ++number;
    }
    m_validUntil = number;
    if (line.isValid() && number < m_guessedFrom) {
        m_idle.start(0);
        return;
    }
    if (!guessedRight)
        m_stale();
}

void SyntaxColouring::coloured(int first, int last)
{
    if (first <= m_validUntil)
        m_validUntil = qMax(m_validUntil, last + 1);
}
