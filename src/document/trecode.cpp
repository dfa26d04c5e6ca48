#include "document/trecode.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace {

QColor colorFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

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

TSRichEdit::TSRichEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    // A fixed bar keeps the viewport width stable while text streams in.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TSRichEdit::OnVScroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TSRichEdit::OnHScroll);
}

int TSRichEdit::Row() const { return caretBlock(); }
void TSRichEdit::setRow(int row) { textlines::setRow(*this, row); }
int TSRichEdit::Col() const { return caretColumn(); }
void TSRichEdit::setCol(int col) { textlines::setCol(*this, col); }
int TSRichEdit::lineCount() const { return textlines::count(*this); }

void TSRichEdit::editStep(const std::function<void()> &edit)
{
    QTextCursor step(document());
    step.beginEditBlock();
    edit();
    step.endEditBlock();
}

void TSRichEdit::applyLook(const QString &fontName, int pointSize, quint32 textColor,
                           quint32 backColor)
{
    QFont look(fontName, pointSize);
    look.setStyleHint(QFont::TypeWriter);
    setFont(look);
    QPalette colors = palette();
    colors.setColor(QPalette::Text, colorFromValue(textColor));
    colors.setColor(QPalette::Base, colorFromValue(backColor));
    setPalette(colors);
}

LoadResult TSRichEdit::loadFile(const QString &path)
{
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    const LoadResult result =
        loadTextFile(path, [&cursor](QStringView piece) { cursor.insertText(piece.toString()); });
    cursor.endEditBlock();
    if (!result.ok)
        doc->clear();
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

int TSRichEdit::blockCount() const { return document()->blockCount(); }

QString TSRichEdit::blockText(int block) const
{
    return document()->findBlockByNumber(block).text();
}

int TSRichEdit::blockLength(int block) const
{
    return document()->findBlockByNumber(block).length() - 1;
}

int TSRichEdit::caretBlock() const
{
    return document()->findBlock(textCursor().selectionStart()).blockNumber();
}

int TSRichEdit::caretColumn() const
{
    const int start = textCursor().selectionStart();
    return start - document()->findBlock(start).position();
}

void TSRichEdit::insertAt(int block, int column, const QString &text)
{
    QTextCursor cursor(document());
    cursor.setPosition(document()->findBlockByNumber(block).position() + column);
    cursor.insertText(text);
    setTextCursor(cursor);
}

void TSRichEdit::setCaret(int block, int column)
{
    QTextCursor cursor(document());
    cursor.setPosition(document()->findBlockByNumber(block).position() + column);
    setTextCursor(cursor);
}

void TSRichEdit::resizeEvent(QResizeEvent *event)
{
    // Without wrapping the layout width changes nothing on screen, but telling the base class
    // about a new width re-lays out every line of the document. Keep the width out of it.
    QResizeEvent keepWidth(event->size(), QSize(event->size().width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&keepWidth);
}
