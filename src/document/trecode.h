#pragma once

#include "document/document_file.h"
#include "document/text_lines.h"

#include <QPlainTextEdit>
#include <functional>

// The editor control: plain text, no wrap, caret in lines and columns.
class TSRichEdit : public QPlainTextEdit, public LineBuffer {
    Q_OBJECT
    Q_PROPERTY(int Row READ Row WRITE setRow)
    Q_PROPERTY(int Col READ Col WRITE setCol)

public:
    explicit TSRichEdit(QWidget *parent = nullptr);

    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    int lineCount() const;

    // Runs an edit as one undo step.
    void editStep(const std::function<void()> &edit);

    // Whole-control look: one font, one text colour, one background colour (0x00BBGGRR).
    void applyLook(const QString &fontName, int pointSize, quint32 textColor, quint32 backColor);

    // Replaces the text with the file's, streamed in without an undo step; the caret goes to the
    // start and the modified flag is cleared. On failure the editor is left empty.
    LoadResult loadFile(const QString &path);
    // Writes the text block by block (no whole-text copy) in the given format.
    SaveResult saveFile(const QString &path, const FileFormat &format);

    int blockCount() const override;
    QString blockText(int block) const override;
    int blockLength(int block) const override;
    int caretBlock() const override;
    int caretColumn() const override;
    void insertAt(int block, int column, const QString &text) override;
    void setCaret(int block, int column) override;

signals:
    void OnVScroll();
    void OnHScroll();

protected:
    void resizeEvent(QResizeEvent *event) override;
};
