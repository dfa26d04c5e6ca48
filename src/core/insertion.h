#pragma once

#include <QStringList>
#include <functional>

// What every command writes through. The document window implements it on its editor;
// MemoryText implements it on plain strings so commands can be tested without a window.
class TextInsertion {
public:
    virtual ~TextInsertion() = default;
    // Text becomes a new whole line directly above the caret's line.
    virtual void InsertLine(const QString &Text) = 0;
    // Text becomes a new last line of the document.
    virtual void AppendLine(const QString &Text) = 0;
    // Text is spliced into the caret's line at the caret column; the caret goes to the start
    // column plus Offset, or to the end of the line.
    virtual void InsertAtCaret(const QString &Text, bool UseOffset, int Offset) = 0;
    // Lines of the text; a final empty line is not counted.
    virtual int LineCount() const = 0;
    // Removes the whole text (generators that replace the document).
    virtual void ClearText() = 0;
    // Runs edits as one undo step.
    virtual void OneStep(const std::function<void()> &edits) { edits(); }

    // Lines written one below the other above the caret's line, as one undo step.
    void InsertLines(const QStringList &lines)
    {
        OneStep([&] {
            for (const QString &line : lines)
                InsertLine(line);
        });
    }
    // Lines added at the end of the document, as one undo step.
    void AppendLines(const QStringList &lines)
    {
        OneStep([&] {
            for (const QString &line : lines)
                AppendLine(line);
        });
    }
};
