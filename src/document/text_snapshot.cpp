#include "document/text_snapshot.h"

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
}

void TextSnapshot::changed(int from, int removed, int added)
{
    if (!m_copied)
        return;
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
