#include "document/trecode.h"

#include "controls/color_convert.h"
#include "document/long_line.h"
#include "document/memory_reuse.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace {

class EditorLines : public LineSource {
public:
    explicit EditorLines(const QTextDocument *document) : m_document(document) { rewind(); }
    void rewind() override { m_block = m_document->begin(); }
    bool next(QString &line) override
    {
        if (!m_block.isValid())
            return false;
        line = m_block.text(); // keeps U+00A0, which toPlainText() would turn into blanks
        m_block = m_block.next();
        return true;
    }
    qsizetype characterCountHint() const override { return m_document->characterCount(); }

private:
    const QTextDocument *m_document;
    QTextBlock m_block;
};

} // namespace

// Moving the caret far makes the editor measure every block between the top of the view and
// the old and new caret, and measuring a block lays it out: dozens of lines shaped per move,
// most never shown. While lazy, a block is taken as one line of the caret line's size, which
// without wrapping is what it is; only the caret's block and a block being changed (measured
// before and after, to see whether the lines below moved) are measured. Painting lays out
// what it shows.
//
// Blocks are laid out here, not by the base class: when its widest line gets shorter, the base
// class measures every block of the document again, which gives each of them a layout of its
// own (a second on a big document, and some 300 bytes per line kept for good). The width of
// the document here only grows, so a shorter line costs nothing more.
class EditorLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    QRectF blockBoundingRect(const QTextBlock &block) const override
    {
        for (const auto &[line, rect] : m_aside) {
            if (line == block)
                return rect;
        }
        if (m_lazy && block != m_caretBlock && block != m_changedBlock && !isLongLine(block))
            return m_lineRect;
        return measure(block);
    }

    QSizeF documentSize() const override { return {m_width, qreal(document()->lineCount())}; }

    // Lays the block out, if it is not yet, and returns its exact rectangle.
    QRectF measure(const QTextBlock &block) const
    {
        if (isLongLine(block))
            return const_cast<EditorLayout *>(this)->longRect(block);
        if (block.isValid() && block.layout()->lineCount() == 0)
            const_cast<EditorLayout *>(this)->layOut(block);
        return QPlainTextDocumentLayout::blockBoundingRect(block);
    }

    // Measures the caret's lines exactly and takes their size for the other blocks.
    void followCaret(const QTextCursor &caret)
    {
        measure(document()->findBlock(caret.anchor())); // a selection is drawn from both ends
        m_caretBlock = caret.block();
        if (isLongLine(m_caretBlock)) {
            m_caretX = longLines().xOf(m_caretBlock, caret.positionInBlock());
            m_lineRect = QRectF(0, 0, 1, m_long.lineHeight());
            return;
        }
        keepGlyphs(m_caretBlock);
        const QRectF exact = measure(m_caretBlock);
        const int lines = qMax(m_caretBlock.layout()->lineCount(), 1);
        m_lineRect = QRectF(0, 0, exact.width(), exact.height() / lines);
    }

    void setLazy(bool lazy) { m_lazy = lazy; }

    LongLineGeometry &longLines()
    {
        const QTextDocument *doc = document();
        m_long.setFont(doc->defaultFont(), doc->defaultTextOption().tabStopDistance());
        return m_long;
    }

    // Hides a block from the base class's painting; it keeps its place.
    void setAside(const QTextBlock &block)
    {
        m_aside.emplace_back(block, measure(block));
        QTextBlock(block).setVisible(false);
    }

    void restoreAside()
    {
        for (const auto &aside : m_aside)
            QTextBlock(aside.first).setVisible(true);
        m_aside.clear();
    }

    // The caret's line is measured over and over while the caret moves; Qt drops a line's
    // glyphs after each use, so keep them for that one line.
    void keepGlyphs(const QTextBlock &caretBlock)
    {
        if (isLongLine(caretBlock))
            return;
        if (!m_glyphLine.isNull()) {
            if (m_glyphLine.block() == caretBlock)
                return;
            m_glyphLine.block().layout()->setCacheEnabled(false);
        }
        m_glyphLine = QTextCursor(caretBlock);
        caretBlock.layout()->setCacheEnabled(true);
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override
    {
        const QTextDocument *doc = document();
        const QTextBlock block = doc->findBlock(from);
        const QScopedValueRollback changing(m_changedBlock, block);
        if (from == 0 && charsAdded >= doc->characterCount() - 1)
            m_width = 0; // new text or a new font: measure afresh
        const bool sameBlocks = doc->blockCount() == m_blockCount;
        m_blockCount = doc->blockCount();
        if (!sameBlocks || block != doc->findBlock(qMax(0, from + charsRemoved + charsAdded - 1))) {
            const QTextBlock last = doc->findBlock(from + charsAdded);
            for (QTextBlock changed = block; changed.isValid(); changed = changed.next()) {
                LongLineGeometry::forget(changed);
                if (changed == last)
                    break;
            }
            // Only marks the blocks for a new layout.
            QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
            return;
        }
        if (isLongLine(block)) {
            longLines().changed(block, from - block.position(), charsRemoved, charsAdded);
            block.layout()->clearLayout();
            QTextBlock(block).setLineCount(block.isVisible() ? 1 : 0);
            longRect(block);
            emit updateBlock(block);
            return;
        }
        LongLineGeometry::forget(block);
        // A change inside one line: what the base class does, with the layout done here.
        const qreal before = measure(block).height();
        block.layout()->clearLayout();
        layOut(block);
        if (measure(block).height() == before) {
            emit updateBlock(block);
            return;
        }
        emit update(QRectF(0., -doc->documentMargin(), 1e9, 1e9));
    }

private:
    // A long line is never laid out (see LongLineGeometry). Its rectangle has no width, so the
    // base class's view never looks for its lines, and its left is the caret's x when it holds
    // the caret: there the base class's view puts the caret of a block without lines.
    QRectF longRect(const QTextBlock &block)
    {
        const qreal margin = document()->documentMargin();
        const qreal width = longLines().width(block) + 2 * margin;
        if (width > m_width) {
            m_width = width;
            sizeChanged();
        }
        return {margin + (block == m_caretBlock ? m_caretX : 0), 0, 0, m_long.lineHeight()};
    }

    // One line per block, as the base class lays it out without wrapping.
    void layOut(const QTextBlock &block)
    {
        const QTextDocument *doc = document();
        const qreal margin = doc->documentMargin();
        const int linesBefore = doc->lineCount();
        QTextLayout *layout = block.layout();
        layout->setTextOption(doc->defaultTextOption());
        qreal top = 0;
        qreal width = 0;
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(qreal(INT_MAX) - 2 * margin);
            line.setPosition(QPointF(margin, top));
            top += line.height();
            if (line.leading() < 0)
                top += qCeil(line.leading());
            width = qMax(width, line.naturalTextWidth() + 2 * margin);
        }
        layout->endLayout();
        QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
        if (width > m_width || doc->lineCount() != linesBefore) {
            m_width = qMax(m_width, width);
            sizeChanged();
        }
    }

    // The scroll bars lay out the last lines when the size changes, which may change it again.
    void sizeChanged()
    {
        if (m_announcing) {
            m_announceAgain = true;
            return;
        }
        const QScopedValueRollback announcing(m_announcing, true);
        do {
            m_announceAgain = false;
            emit documentSizeChanged(documentSize());
        } while (m_announceAgain);
    }

    bool m_lazy = false;
    LongLineGeometry m_long;
    qreal m_caretX = 0;
    QTextBlock m_caretBlock;
    QTextBlock m_changedBlock;
    QRectF m_lineRect;
    // Follows edits: a stored QTextBlock would dangle once its line is deleted.
    QTextCursor m_glyphLine;
    std::vector<std::pair<QTextBlock, QRectF>> m_aside;
    qreal m_width = 0;
    int m_blockCount = 1;
    bool m_announcing = false;
    bool m_announceAgain = false;
};

TSRichEdit::CaretBatch::CaretBatch(TSRichEdit &edit)
    : m_edit(edit), m_outermost(edit.m_batchDepth++ == 0)
{
    if (!m_outermost)
        return;
    m_edit.m_layout->followCaret(m_edit.textCursor()); // sizes lines met before a new caret
    m_edit.m_layout->setLazy(true);
    // Each caret and line change asks for its own small repaint; merging them into the
    // pending ones costs more than repainting the view once when the operation ends.
    m_heldRepaints = m_edit.viewport()->updatesEnabled();
    if (m_heldRepaints)
        m_edit.viewport()->setUpdatesEnabled(false);
}

TSRichEdit::CaretBatch::~CaretBatch()
{
    if (m_outermost) {
        // Still counted as running: a caret set by a slot reacting to this one joins it.
        while (m_edit.m_pendingCaret)
            m_edit.showCaret(*std::exchange(m_edit.m_pendingCaret, std::nullopt));
        if (m_heldRepaints)
            m_edit.viewport()->setUpdatesEnabled(true); // repaints the whole view
        m_edit.m_layout->setLazy(false);
    }
    --m_edit.m_batchDepth;
}

TSRichEdit::TSRichEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    auto *doc = new QTextDocument(this);
    m_layout = new EditorLayout(doc);
    doc->setDocumentLayout(m_layout);
    setDocument(doc);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    // A fixed bar keeps the viewport width stable while text streams in.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TSRichEdit::OnVScroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TSRichEdit::OnHScroll);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TSRichEdit::followLongCaret);
}

TSRichEdit::~TSRichEdit()
{
    restoreFlashTime();
}

int TSRichEdit::Row() const
{
    return caretBlock();
}
void TSRichEdit::setRow(int row)
{
    textlines::setRow(*this, row);
}
int TSRichEdit::Col() const
{
    return caretColumn();
}
void TSRichEdit::setCol(int col)
{
    textlines::setCol(*this, col);
}
int TSRichEdit::lineCount() const
{
    return textlines::count(*this);
}

void TSRichEdit::editStep(const std::function<void()> &edit)
{
    const CaretBatch batch(*this);
    // Undo puts the caret back where the step's cursor stood when the step began.
    QTextCursor step = caret();
    step.beginEditBlock();
    edit();
    step.endEditBlock();
}

void TSRichEdit::applyLook(const QString &fontName, int pointSize, quint32 textColor,
                           quint32 backColor)
{
    QFont look(fontName, pointSize);
    look.setStyleHint(QFont::TypeWriter);
    // Shaping is much of the cost of laying out a line, and fixed-pitch source text wants no
    // kerning or ligatures; scripts that need shaping still get it.
    look.setStyleStrategy(QFont::PreferNoShaping);
    setFont(look);
    QPalette colors = palette();
    colors.setColor(QPalette::Text, toQColor(textColor));
    colors.setColor(QPalette::Base, toQColor(backColor));
    setPalette(colors);
}

void TSRichEdit::setSyntaxColours(const std::optional<SyntaxColours> &colours)
{
    delete std::exchange(m_colouring, nullptr);
    if (colours)
        m_colouring = new SyntaxColouring(document(), *colours, [this] { viewport()->update(); });
    viewport()->update();
}

LoadResult TSRichEdit::loadFile(const QString &path, const std::function<void(qint64)> &progress)
{
    const MappedGrowth growth;
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    // The document copies each piece into its own buffer: no need for another copy first.
    // Small pieces keep the reading buffers, which add to the peak, small; each piece costs
    // next to nothing.
    qint64 arrived = 0;
    const auto insert = [&](QStringView piece) {
        cursor.insertText(QString::fromRawData(piece.data(), piece.size()));
        arrived += piece.size();
        if (progress)
            progress(arrived);
    };
    // A progress window lets events run; the half-built document must not be painted.
    viewport()->setUpdatesEnabled(false);
    const LoadResult result = loadTextFile(path, insert, 256 * 1024);
    cursor.endEditBlock();
    viewport()->setUpdatesEnabled(true);
    if (!result.ok)
        doc->clear();
    returnFreedMemory(); // the reading buffers
    doc->setUndoRedoEnabled(true);
    setTextCursor(QTextCursor(doc));
    doc->setModified(false);
    return result;
}

SaveResult TSRichEdit::saveFile(const QString &path, const FileFormat &format)
{
    EditorLines lines(document());
    return saveTextFile(path, format, lines);
}

int TSRichEdit::blockCount() const
{
    return document()->blockCount();
}

QString TSRichEdit::blockText(int block) const
{
    return document()->findBlockByNumber(block).text();
}

int TSRichEdit::blockLength(int block) const
{
    return document()->findBlockByNumber(block).length() - 1;
}

QTextCursor TSRichEdit::caret() const
{
    return m_pendingCaret ? *m_pendingCaret : textCursor();
}

int TSRichEdit::caretBlock() const
{
    return document()->findBlock(caret().selectionStart()).blockNumber();
}

int TSRichEdit::caretColumn() const
{
    const int start = caret().selectionStart();
    return start - document()->findBlock(start).position();
}

void TSRichEdit::insertAt(int block, int column, const QString &text)
{
    const CaretBatch batch(*this);
    QTextCursor cursor(document());
    cursor.setPosition(document()->findBlockByNumber(block).position() + column);
    cursor.insertText(text);
    setTextCursor(cursor);
}

void TSRichEdit::setCaret(int block, int column)
{
    const CaretBatch batch(*this);
    const QTextBlock target = document()->findBlockByNumber(block);
    // Placing a cursor measures its line; lay it out now, as showing the caret will, rather
    // than have the line analysed twice.
    m_layout->keepGlyphs(target);
    m_layout->measure(target);
    QTextCursor cursor(document());
    cursor.setPosition(target.position() + column);
    setTextCursor(cursor);
}

void TSRichEdit::doSetTextCursor(const QTextCursor &cursor)
{
    const CaretBatch batch(*this);
    m_pendingCaret = cursor;
}

void TSRichEdit::showCaret(const QTextCursor &cursor)
{
    m_layout->followCaret(cursor);
    if (isLongLine(cursor.block()))
        revealLongLine(cursor.block());
    QPlainTextEdit::doSetTextCursor(cursor); // scrolls sideways to the caret
}

void TSRichEdit::followLongCaret()
{
    if (m_batchDepth > 0 || !isLongLine(textCursor().block()))
        return;
    const CaretBatch batch(*this); // measures the caret anew and repaints the view
    revealLongLine(textCursor().block());
    ensureCursorVisible();
}

void TSRichEdit::revealLongLine(const QTextBlock &block)
{
    // The base class finds no lines in a long block to scroll to; lines are one per block.
    const QRectF area = blockBoundingGeometry(block).translated(contentOffset());
    if (area.top() >= 0 && area.bottom() <= viewport()->height())
        return;
    const int rows = qMax(1, int(viewport()->height() / area.height()));
    const int line = block.firstLineNumber();
    verticalScrollBar()->setValue(area.top() < 0 ? line : line - rows + 1);
}

qreal TSRichEdit::xInLine(const QTextBlock &block, int column) const
{
    if (isLongLine(block))
        return document()->documentMargin() + m_layout->longLines().xOf(block, column);
    m_layout->measure(block);
    return block.layout()->lineAt(0).cursorToX(column);
}

int TSRichEdit::columnInLine(const QTextBlock &block, qreal x) const
{
    if (isLongLine(block))
        return m_layout->longLines().columnAt(block, x - document()->documentMargin());
    m_layout->measure(block);
    return block.layout()->lineAt(0).xToCursor(x);
}

bool TSRichEdit::moveUpOrDown(QKeyEvent *event)
{
    const bool select = event->matches(QKeySequence::SelectPreviousLine) ||
                        event->matches(QKeySequence::SelectNextLine);
    const bool up = select ? event->matches(QKeySequence::SelectPreviousLine)
                           : event->matches(QKeySequence::MoveToPreviousLine);
    if (!select && !up && !event->matches(QKeySequence::MoveToNextLine))
        return false;
    QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    const QTextBlock target = up ? block.previous() : block.next();
    if (!target.isValid() || !(isLongLine(block) || isLongLine(target)))
        return false;
    // Runs of Up and Down keep to the x they started from, as the base class does.
    const qreal x = m_verticalX && m_verticalX->first == cursor.position()
                        ? m_verticalX->second
                        : xInLine(block, cursor.positionInBlock());
    cursor.setPosition(target.position() + columnInLine(target, x),
                       select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(cursor);
    m_verticalX = {cursor.position(), x};
    return true;
}

bool TSRichEdit::moveInLongLine(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    if (!isLongLine(block))
        return false;
    const int column = cursor.positionInBlock();
    const int length = block.length() - 1;
    const auto any = [event](std::initializer_list<QKeySequence::StandardKey> keys) {
        return std::any_of(keys.begin(), keys.end(),
                           [event](auto key) { return event->matches(key); });
    };
    const bool byWord = any({QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
                             QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
                             QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord});
    const bool forward = any({QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar,
                              QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord,
                              QKeySequence::DeleteEndOfWord, QKeySequence::Delete});
    const bool moves = forward || byWord ||
                       any({QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar});
    const bool erase = any({QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord,
                            QKeySequence::Delete}) ||
                       event->key() == Qt::Key_Backspace;
    const bool select = any({QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar,
                             QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord});
    if (!(moves || erase) || (erase && cursor.hasSelection()))
        return false;
    if (!byWord && !erase && !select && cursor.hasSelection()) { // the selection collapses
        cursor.setPosition(forward ? cursor.selectionEnd() : cursor.selectionStart());
        setTextCursor(cursor);
        return true;
    }
    if (column == (forward ? length : 0))
        return false; // the base class crosses to the next or previous line
    const LongLineGeometry &geometry = m_layout->longLines();
    const int to = byWord    ? wordStep(block, column, forward)
                   : forward ? geometry.nextStop(block, column)
                             : geometry.previousStop(block, column);
    cursor.setPosition(block.position() + to,
                       erase || select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    if (erase)
        cursor.removeSelectedText();
    setTextCursor(cursor);
    return true;
}

QTextCursor TSRichEdit::inTextAround(const QTextBlock &block, int column,
                                     const std::function<void(QTextCursor &)> &step) const
{
    // Words come from the characters, which a long line has, not from its layout; the text
    // around the column holds any word the base class would find.
    const int start = qMax(0, column - 256);
    const int end = qMin(block.length() - 1, column + 256);
    QString text;
    text.reserve(end - start);
    for (int at = start; at < end; ++at)
        text += document()->characterAt(block.position() + at);
    QTextDocument around(text);
    QTextCursor found(&around);
    found.setPosition(column - start);
    step(found);
    QTextCursor result = textCursor();
    result.setPosition(block.position() + start + found.anchor());
    result.setPosition(block.position() + start + found.position(), QTextCursor::KeepAnchor);
    return result;
}

int TSRichEdit::wordStep(const QTextBlock &block, int column, bool forward) const
{
    return inTextAround(block, column,
                        [forward](QTextCursor &cursor) {
                            cursor.movePosition(forward ? QTextCursor::NextWord
                                                        : QTextCursor::PreviousWord);
                        })
        .positionInBlock();
}

void TSRichEdit::keyPressEvent(QKeyEvent *event)
{
    // The base class moves by characters and lines through the line's layout, which a long
    // line does not have.
    if (moveUpOrDown(event) || moveInLongLine(event))
        return;
    QPlainTextEdit::keyPressEvent(event);
    followLongCaret();
}

bool TSRichEdit::placeCaret(QPointF point, QTextCursor::MoveMode mode, bool onlyLong)
{
    QTextCursor hit = cursorForPosition(point.toPoint());
    const QTextBlock block = hit.block();
    if (isLongLine(block))
        hit.setPosition(block.position() + columnInLine(block, point.x() - contentOffset().x()));
    else if (onlyLong)
        return false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(hit.position(), mode);
    setTextCursor(cursor);
    return true;
}

void TSRichEdit::mousePressEvent(QMouseEvent *event)
{
    // The base class finds the clicked character through the line's layout.
    const auto mode =
        event->modifiers() & Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    m_selectingLongLine =
        event->button() == Qt::LeftButton && placeCaret(event->position(), mode, true);
    if (!m_selectingLongLine)
        QPlainTextEdit::mousePressEvent(event);
}

void TSRichEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (m_selectingLongLine && (event->buttons() & Qt::LeftButton))
        placeCaret(event->position(), QTextCursor::KeepAnchor, false);
    else
        QPlainTextEdit::mouseMoveEvent(event);
}

void TSRichEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (!std::exchange(m_selectingLongLine, false))
        QPlainTextEdit::mouseReleaseEvent(event);
}

void TSRichEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton ||
        !placeCaret(event->position(), QTextCursor::MoveAnchor, true)) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    const QTextCursor word =
        inTextAround(textCursor().block(), textCursor().positionInBlock(),
                     [](QTextCursor &cursor) { cursor.select(QTextCursor::WordUnderCursor); });
    setTextCursor(word);
}

void TSRichEdit::paintEvent(QPaintEvent *event)
{
    // The base class draws every glyph of a line, also those far out of view: on a line of
    // megabytes that is most of the cost of a keystroke or a caret move. Long lines are drawn
    // here, only the part in view; the base class draws the rest. Coloured lines are drawn
    // here too, with their colours as formats of the drawing, so the document keeps none.
    std::vector<Shown> shown;
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock();
         block.isValid() && offset.y() < viewport()->height(); block = block.next()) {
        if (!block.isVisible())
            continue;
        const qreal height = m_layout->blockBoundingRect(block).height();
        if (m_colouring || isLongLine(block)) {
            shown.push_back({block, offset, height});
            m_layout->setAside(block);
        }
        offset.ry() += height;
    }
    QPlainTextEdit::paintEvent(event);
    m_layout->restoreAside();
    if (shown.empty())
        return;
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    if (!m_colouring) {
        painter.setPen(context.palette.color(QPalette::Text));
        for (const Shown &line : shown)
            drawInView(painter, line.block, line.at, event->rect(), context);
        return;
    }
    painter.setPen(m_colouring->textColour());
    const std::optional<qreal> changedBelow = drawColoured(painter, shown, event->rect(), context);
    if (!changedBelow)
        return;
    const QRect below(0, int(*changedBelow), viewport()->width(), viewport()->height());
    if (!event->rect().contains(below))
        viewport()->update(below);
}

namespace {

// The selections of the view that fall into columns from..to of a block, from-based.
QList<QTextLayout::FormatRange>
selectionsIn(const QTextBlock &block, int from, int to,
             const QAbstractTextDocumentLayout::PaintContext &context)
{
    QList<QTextLayout::FormatRange> selections;
    for (const QAbstractTextDocumentLayout::Selection &selection : context.selections) {
        const int start = qMax(selection.cursor.selectionStart() - block.position(), from);
        const int end = qMin(selection.cursor.selectionEnd() - block.position(), to);
        if (start < end)
            selections.append({start - from, end - start, selection.format});
    }
    return selections;
}

} // namespace

std::optional<qreal>
TSRichEdit::drawColoured(QPainter &painter, const std::vector<Shown> &shown, const QRect &view,
                         const QAbstractTextDocumentLayout::PaintContext &context)
{
    const QTextBlock &first = shown.front().block;
    LineState state = m_colouring->stateBefore(first);
    std::optional<qreal> changedBelow;
    for (const Shown &line : shown) {
        bool changed = false;
        QList<QTextLayout::FormatRange> formats = m_colouring->colour(line.block, state, changed);
        if (changed && !changedBelow)
            changedBelow = line.at.y() + line.height;
        if (isLongLine(line.block)) {
            drawInView(painter, line.block, line.at, view, context);
            continue;
        }
        if (line.at.y() > view.bottom() || line.at.y() + line.height < view.top())
            continue;
        // Selections come last: their colours win.
        formats.append(selectionsIn(line.block, 0, line.block.length(), context));
        QTextLayout *layout = line.block.layout();
        layout->draw(&painter, line.at, formats, view);
        const int caret = context.cursorPosition - line.block.position();
        if (caret >= 0 && caret < line.block.length())
            layout->drawCursor(&painter, line.at, caret, cursorWidth());
    }
    m_colouring->coloured(first.blockNumber(), shown.back().block.blockNumber());
    return changedBelow;
}

void TSRichEdit::drawInView(QPainter &painter, const QTextBlock &block, QPointF at,
                            const QRect &view,
                            const QAbstractTextDocumentLayout::PaintContext &context) const
{
    LongLineGeometry &geometry = m_layout->longLines();
    const QTextDocument *doc = document();
    const qreal margin = doc->documentMargin();
    const int length = block.length() - 1;
    int from = geometry.columnAt(block, view.left() - at.x() - margin);
    from = from > 0 ? geometry.previousStop(block, from) : 0;
    int to = geometry.columnAt(block, view.right() + 1 - at.x() - margin);
    to = to < length ? geometry.nextStop(block, to) : length;
    QString text;
    text.reserve(to - from);
    for (int column = from; column < to; ++column)
        text += doc->characterAt(block.position() + column);

    // Laid out on its own, the piece keeps the tab stops of the whole line: tabs are measured
    // from the line's position when it is laid out.
    const qreal left = geometry.xOf(block, from);
    const qreal tabStop = doc->defaultTextOption().tabStopDistance();
    const qreal phase = tabStop > 0 ? std::fmod(left, tabStop) : 0;
    QTextLayout piece(text, doc->defaultFont());
    piece.setTextOption(doc->defaultTextOption());
    piece.beginLayout();
    QTextLine line = piece.createLine();
    line.setLeadingIncluded(true);
    line.setPosition(QPointF(phase, 0));
    line.setLineWidth(qreal(INT_MAX));
    piece.endLayout();

    const QList<QTextLayout::FormatRange> selections = selectionsIn(block, from, to, context);
    const QPointF origin(at.x() + margin + left - phase, at.y());
    piece.draw(&painter, origin, selections, view);
    const int caret = context.cursorPosition - block.position();
    if (caret >= from && caret <= to)
        piece.drawCursor(&painter, origin, caret - from, cursorWidth());
}

void TSRichEdit::resizeEvent(QResizeEvent *event)
{
    // Without wrapping the layout width changes nothing on screen, but telling the base class
    // about a new width re-lays out every line of the document. Keep the width out of it.
    QResizeEvent keepWidth(event->size(), QSize(event->size().width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&keepWidth);
}

void TSRichEdit::focusInEvent(QFocusEvent *event)
{
    // Each blink repaints the caret's line, and a line of megabytes takes long to paint: the caret
    // stays on, so an idle editor costs nothing. Qt takes the rhythm from the application when
    // the caret appears, so the application's is set aside while the editor has the focus.
    QStyleHints *hints = QGuiApplication::styleHints();
    if (!m_appFlashTime) {
        m_appFlashTime = hints->cursorFlashTime();
        hints->setCursorFlashTime(0);
    }
    QPlainTextEdit::focusInEvent(event);
}

void TSRichEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event); // hides the caret before the rhythm comes back
    restoreFlashTime();
}

void TSRichEdit::restoreFlashTime()
{
    if (m_appFlashTime)
        QGuiApplication::styleHints()->setCursorFlashTime(*std::exchange(m_appFlashTime, {}));
}
