#include "document/edit_commands.h"

#include "document/trecode.h"

#include <QTextBlock>

namespace {

const QString IndentUnit = QStringLiteral("  ");

// Replaces the first `length` characters of the caret's line by `text`; the caret ends at the
// line end.
void rewriteLineStart(TSRichEdit &editor, int length, const QString &text)
{
    editor.editStep([&] {
        const QTextBlock line = editor.document()->findBlockByNumber(editor.Row());
        QTextCursor cursor(line);
        cursor.setPosition(line.position() + length, QTextCursor::KeepAnchor);
        cursor.insertText(text);
        cursor.movePosition(QTextCursor::EndOfBlock);
        editor.setTextCursor(cursor);
    });
}

} // namespace

void IndentLine(TSRichEdit &editor)
{
    rewriteLineStart(editor, 0, IndentUnit);
}

void UnIndentLine(TSRichEdit &editor)
{
    if (editor.blockText(editor.Row()).startsWith(IndentUnit))
        rewriteLineStart(editor, int(IndentUnit.size()), QString());
}
