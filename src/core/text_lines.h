#pragma once

#include <QStringList>

// The editor's text as blocks: "A\nB" is two blocks, "A\n" is "A" and a final empty block.
// An editor offers these primitives; the rules of the lines collection are built on them once.
class LineBuffer {
public:
    virtual ~LineBuffer() = default;
    virtual int blockCount() const = 0; // at least 1
    virtual QString blockText(int block) const = 0;
    virtual int blockLength(int block) const = 0;
    // The caret is the start of the selection.
    virtual int caretBlock() const = 0;
    virtual int caretColumn() const = 0;
    // Inserts text (which may hold '\n') and leaves the caret just after it, selection collapsed.
    virtual void insertAt(int block, int column, const QString &text) = 0;
    // Collapses the selection and puts the caret there.
    virtual void setCaret(int block, int column) = 0;
};

namespace textlines {

// The line count leaves out a final empty line: "" has 0 lines, "A\n" has 1, "A\nB" has 2.
int count(const LineBuffer &buffer);
// The same rule for the lines a box hands over: a final empty line is only the last line break.
void dropFinalEmptyLine(QStringList &lines);

// Inserts S as line i: before line i when it exists (the final empty line included), else after
// a non-empty line i - 1; otherwise nothing. Returns whether anything was inserted.
bool insertAt(LineBuffer &buffer, int i, const QString &s);

// Caret writes, clamped: a row beyond the last counted line goes to that line, a column beyond
// the line end to the line end; both collapse the selection.
void setRow(LineBuffer &buffer, int row);
void setCol(LineBuffer &buffer, int col);

// The insertion operations every command uses (InsertLine, AppendLine and InsertAtCaret of
// the document window and the in-memory text).
void lineAboveCaret(LineBuffer &buffer, const QString &text);
void lineAtEnd(LineBuffer &buffer, const QString &text);
void spliceAtCaret(LineBuffer &buffer, const QString &text, bool useOffset, int offset);

} // namespace textlines
