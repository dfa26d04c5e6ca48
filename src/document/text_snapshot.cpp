#include "document/text_snapshot.h"

#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

TextSnapshot &TextSnapshot::of(QTextDocument &document)
{
    if (auto *snapshot = document.findChild<TextSnapshot *>(QString(), Qt::FindDirectChildrenOnly))
        return *snapshot;
    return *new TextSnapshot(document);
}

TextSnapshot::TextSnapshot(QTextDocument &document) : QObject(&document), m_document(document)
{
    connect(&document, &QTextDocument::contentsChange, this, &TextSnapshot::changed);
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, [this] {
        QElapsedTimer slice;
        slice.start();
        while (!copyMore(1 << 16) && slice.elapsed() < 8) {
        }
    });
}

void TextSnapshot::changed(int from, int removed, int added)
{
    if (m_building) {
        const qsizetype copiedEnd = copiedUpTo();
        if (from >= copiedEnd)
            return; // not copied yet
        if (qsizetype(from) + removed > copiedEnd) {
            // Reaches past the copied part: keep only what lies before every change.
            m_text.truncate(m_dirty ? std::min<qsizetype>(from, m_from) : from);
            m_dirty = false;
            return;
        }
    } else if (!m_copied) {
        return;
    }
    if (!m_dirty) {
        m_dirty = true;
        m_from = from;
        m_oldEnd = qsizetype(from) + removed;
        m_newEnd = qsizetype(from) + added;
        return;
    }
    // Grow the dirty range to cover this change too, in both texts.
    const qsizetype end = qsizetype(from) + removed;
    m_oldEnd += std::max<qsizetype>(0, end - m_newEnd);
    m_newEnd = std::max(m_newEnd, end) + added - removed;
    m_from = std::min<qsizetype>(m_from, from);
}

QStringView TextSnapshot::text()
{
    if (m_building)
        copyMore(m_document.characterCount());
    if (!m_copied) {
        m_text = m_document.toRawText();
        m_copied = true;
        m_dirty = false;
    } else if (m_dirty) {
        // The document may count its final separator in a change; the ends are clamped to it.
        const qsizetype length = m_document.characterCount() - 1;
        const qsizetype from = std::min(m_from, std::min(length, m_text.size()));
        QTextCursor range(&m_document);
        range.setPosition(int(from));
        range.setPosition(int(std::min(m_newEnd, length)), QTextCursor::KeepAnchor);
        m_text.replace(from, std::min(m_oldEnd, m_text.size()) - from, range.selectedText());
        m_dirty = false;
        // A change made while the document announced another one is not announced itself.
        if (m_text.size() != length)
            m_text = m_document.toRawText();
    }
    return m_text;
}

QString TextSnapshot::sharedText()
{
    text();
    return m_text;
}

void TextSnapshot::prepare()
{
    if (m_copied || m_building)
        return;
    m_building = true;
    m_dirty = false;
    m_text.clear();
    // Room to grow, so that typing after the copy does not move the whole text on the GUI
    // thread.
    const qsizetype size = m_document.characterCount();
    m_text.reserve(size + size / 8 + 4096);
    m_slices.start();
}

bool TextSnapshot::copyMore(qsizetype chars)
{
    if (m_copied)
        return true;
    const qsizetype length = m_document.characterCount() - 1;
    const qsizetype from = copiedUpTo();
    const qsizetype to = std::min(length, from + chars);
    if (to > from) {
        QTextCursor range(&m_document);
        range.setPosition(int(from));
        range.setPosition(int(to), QTextCursor::KeepAnchor);
        m_text += range.selectedText();
    }
    if (to < length)
        return false;
    m_building = false;
    m_copied = true; // a change already noted is taken in when the text is read
    m_slices.stop();
    emit completed();
    return true;
}

qsizetype TextSnapshot::copiedUpTo() const
{
    return m_text.size() + (m_dirty ? m_newEnd - m_oldEnd : 0);
}
