#pragma once

#include "core/insertion.h"
#include "core/text_lines.h"

#include <QStringList>

// A document held in plain strings, with a caret: the insertion target of command tests.
class MemoryText : public TextInsertion, public LineBuffer {
public:
    explicit MemoryText(const QString &text = {}, int caretBlock = 0, int caretColumn = 0);

    QString text() const; // blocks joined by '\n'

    void InsertLine(const QString &Text) override;
    void AppendLine(const QString &Text) override;
    void InsertAtCaret(const QString &Text, bool UseOffset, int Offset) override;
    int LineCount() const override;
    void ClearText() override;

    int blockCount() const override;
    QString blockText(int block) const override;
    int blockLength(int block) const override;
    int caretBlock() const override;
    int caretColumn() const override;
    void insertAt(int block, int column, const QString &text) override;
    void setCaret(int block, int column) override;

private:
    QStringList m_blocks;
    int m_caretBlock = 0;
    int m_caretColumn = 0;
};
