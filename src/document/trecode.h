#pragma once

#include "core/text_lines.h"
#include "document/document_file.h"
#include "document/syntax_colouring.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class EditorLayout;

// The editor control: plain text, no wrap, caret in lines and columns.
class TSRichEdit : public QPlainTextEdit, public LineBuffer {
    Q_OBJECT
    Q_PROPERTY(int Row READ Row WRITE setRow)
    Q_PROPERTY(int Col READ Col WRITE setCol)

public:
    explicit TSRichEdit(QWidget *parent = nullptr);
    ~TSRichEdit() override;

    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    int lineCount() const;

    // Runs an edit as one undo step. The caret it sets is shown once, when the step ends;
    // until then Row, Col and the LineBuffer view see it, textCursor() does not.
    void editStep(const std::function<void()> &edit);

    // Whole-control look: one font, one text colour, one background colour (0x00BBGGRR).
    void applyLook(const QString &fontName, int pointSize, quint32 textColor, quint32 backColor);
    // Colours the source as it is shown, or, without colours, shows it in the text colour.
    // Display only: the text, its undo steps and the modified flag are untouched.
    void setSyntaxColours(const std::optional<SyntaxColours> &colours);
    bool isColouring() const { return m_colouring != nullptr; }

    // Replaces the text with the file's, streamed in without an undo step; the caret goes to the
    // start and the modified flag is cleared. On failure the editor is left empty.
    // progress, when given, hears how many characters have arrived so far.
    LoadResult loadFile(const QString &path, const std::function<void(qint64)> &progress = nullptr);
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
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void doSetTextCursor(const QTextCursor &cursor) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Holds the caret back while an operation runs and shows it once at the end, with no
    // block laid out just to be measured meanwhile.
    class CaretBatch {
    public:
        explicit CaretBatch(TSRichEdit &edit);
        ~CaretBatch();
        CaretBatch(const CaretBatch &) = delete;
        CaretBatch &operator=(const CaretBatch &) = delete;

    private:
        TSRichEdit &m_edit;
        const bool m_outermost;
        bool m_heldRepaints = false;
    };

    QTextCursor caret() const;
    // Draws the part of a long line inside the view, its selection and the caret.
    void drawInView(QPainter &painter, const QTextBlock &block, QPointF at, const QRect &view,
                    const QAbstractTextDocumentLayout::PaintContext &context) const;
    struct Shown {
        QTextBlock block;
        QPointF at;
        qreal height;
    };
    // Draws the shown lines in their colours; returns where lines below changed colour.
    std::optional<qreal> drawColoured(QPainter &painter, const std::vector<Shown> &shown,
                                      const QRect &view,
                                      const QAbstractTextDocumentLayout::PaintContext &context);
    void restoreFlashTime();
    void showCaret(const QTextCursor &cursor);
    // Long lines have no layout for the base class to move, click or scroll through.
    void followLongCaret();
    void revealLongLine(const QTextBlock &block);
    qreal xInLine(const QTextBlock &block, int column) const;
    int columnInLine(const QTextBlock &block, qreal x) const;
    bool moveUpOrDown(QKeyEvent *event);
    bool moveInLongLine(QKeyEvent *event);
    // A selection of the editor made by a step on a copy of the text around a column.
    QTextCursor inTextAround(const QTextBlock &block, int column,
                             const std::function<void(QTextCursor &)> &step) const;
    int wordStep(const QTextBlock &block, int column, bool forward) const;
    bool placeCaret(QPointF point, QTextCursor::MoveMode mode, bool onlyLong);

    EditorLayout *m_layout;
    SyntaxColouring *m_colouring = nullptr;
    int m_batchDepth = 0;
    std::optional<QTextCursor> m_pendingCaret;
    // The application's caret blink rhythm, while the editor has set it aside.
    std::optional<int> m_appFlashTime;
    // Where a run of Up and Down keys through long lines left the caret, and its x.
    std::optional<std::pair<int, qreal>> m_verticalX;
    bool m_selectingLongLine = false;
};
