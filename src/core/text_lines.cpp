#include "core/text_lines.h"

namespace textlines {

int count(const LineBuffer &buffer)
{
    const int blocks = buffer.blockCount();
    return buffer.blockLength(blocks - 1) == 0 ? blocks - 1 : blocks;
}

void dropFinalEmptyLine(QStringList &lines)
{
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
}

bool insertAt(LineBuffer &buffer, int i, const QString &s)
{
    if (i >= 0 && i < buffer.blockCount()) {
        buffer.insertAt(i, 0, s + QLatin1Char('\n'));
        return true;
    }
    const int previous = i - 1;
    if (previous >= 0 && previous < buffer.blockCount() && buffer.blockLength(previous) > 0) {
        buffer.insertAt(previous, buffer.blockLength(previous), QLatin1Char('\n') + s);
        return true;
    }
    return false;
}

void setRow(LineBuffer &buffer, int row)
{
    row = qMin(qMax(row, 0), count(buffer) - 1);
    if (row < 0) // no lines at all: stay on the caret's line
        row = buffer.caretBlock();
    buffer.setCaret(row, 0);
}

void setCol(LineBuffer &buffer, int col)
{
    const int block = buffer.caretBlock();
    buffer.setCaret(block, qMin(qMax(col, 0), buffer.blockLength(block)));
}

void lineAboveCaret(LineBuffer &buffer, const QString &text)
{
    insertAt(buffer, buffer.caretBlock(), text);
}

void lineAtEnd(LineBuffer &buffer, const QString &text)
{
    insertAt(buffer, count(buffer), text);
}

void spliceAtCaret(LineBuffer &buffer, const QString &text, bool useOffset, int offset)
{
    const int row = buffer.caretBlock();
    const int col = buffer.caretColumn();
    // Splicing at the caret is the same as rewriting the line, and touches only what changes.
    buffer.insertAt(row, col, text);
    setRow(buffer, row);
    setCol(buffer, useOffset ? col + offset : buffer.blockLength(row));
}

} // namespace textlines
