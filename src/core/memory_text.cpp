#include "core/memory_text.h"

MemoryText::MemoryText(const QString &text, int caretBlock, int caretColumn)
    : m_blocks(text.split(QLatin1Char('\n')))
{
    setCaret(caretBlock, caretColumn);
}

QString MemoryText::text() const
{
    return m_blocks.join(QLatin1Char('\n'));
}

void MemoryText::InsertLine(const QString &Text)
{
    textlines::lineAboveCaret(*this, Text);
}
void MemoryText::AppendLine(const QString &Text)
{
    textlines::lineAtEnd(*this, Text);
}

void MemoryText::InsertAtCaret(const QString &Text, bool UseOffset, int Offset)
{
    textlines::spliceAtCaret(*this, Text, UseOffset, Offset);
}

int MemoryText::LineCount() const
{
    return textlines::count(*this);
}

void MemoryText::ClearText()
{
    m_blocks = QStringList{QString()};
    setCaret(0, 0);
}

int MemoryText::blockCount() const
{
    return int(m_blocks.size());
}
QString MemoryText::blockText(int block) const
{
    return m_blocks.at(block);
}
int MemoryText::blockLength(int block) const
{
    return int(m_blocks.at(block).size());
}
int MemoryText::caretBlock() const
{
    return m_caretBlock;
}
int MemoryText::caretColumn() const
{
    return m_caretColumn;
}

void MemoryText::insertAt(int block, int column, const QString &text)
{
    const QString line = m_blocks.at(block);
    const QStringList pieces = (line.left(column) + text).split(QLatin1Char('\n'));
    const QString tail = line.mid(column);
    m_blocks.removeAt(block);
    for (int i = 0; i < pieces.size(); ++i)
        m_blocks.insert(block + i, pieces.at(i));
    const int last = block + int(pieces.size()) - 1;
    m_caretBlock = last;
    m_caretColumn = int(m_blocks[last].size());
    m_blocks[last] += tail;
}

void MemoryText::setCaret(int block, int column)
{
    m_caretBlock = qBound(0, block, blockCount() - 1);
    m_caretColumn = qBound(0, column, blockLength(m_caretBlock));
}
