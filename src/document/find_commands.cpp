#include "document/find_commands.h"

#include "controls/message_box.h"
#include "document/find_dialogs.h"
#include "document/trecode.h"

#include <QTextDocument>

namespace {

void replaceAllInEditor(TSRichEdit &editor, const QString &searchText, const QString &replaceText,
                        FindOptions options)
{
    const QTextCursor selection = editor.textCursor();
    const ReplaceAllResult result =
        replaceAll(editor.document()->toRawText(), selection.selectionStart(),
                   selection.selectionEnd() - selection.selectionStart(), searchText, replaceText,
                   options);
    if (result.count == 0)
        return;
    // One edit over the affected range: linear in its size, and one undo step.
    editor.editStep([&] {
        QTextCursor range(editor.document());
        range.setPosition(int(result.from));
        range.setPosition(int(result.to), QTextCursor::KeepAnchor);
        range.insertText(result.text);
        range.setPosition(int(result.caret));
        editor.setTextCursor(range);
    });
}

} // namespace

bool FindInEditor(TSRichEdit &Editor, const QString &SearchText, FindOptions Options)
{
    if (SearchText.isEmpty())
        return false;
    // The raw text keeps every character as it is and one separator per line break, so its
    // indices are the editor's positions.
    const QString text = Editor.document()->toRawText();
    if (text.isEmpty())
        return false;
    const QTextCursor selection = Editor.textCursor();
    const std::optional<qsizetype> hit =
        ScanBuffer(text, selection.selectionStart(),
                   selection.selectionEnd() - selection.selectionStart(), SearchText, Options);
    if (!hit)
        return false;
    QTextCursor found(Editor.document());
    found.setPosition(int(*hit));
    found.setPosition(int(*hit + SearchText.size()), QTextCursor::KeepAnchor);
    Editor.setTextCursor(found);
    return true;
}

void findFromDialog(TSRichEdit &editor, const TFindDialog &dialog, QWidget *messageParent)
{
    if (!FindInEditor(editor, dialog.FindText(), dialog.Options()))
        ShowInformation(messageParent, cannotFindMessage(dialog.FindText()));
}

void replaceFromDialog(TSRichEdit &editor, const TReplaceDialog &dialog, QWidget *messageParent)
{
    const QString searchText = dialog.FindText();
    const FindOptions options = dialog.Options();
    if (dialog.ReplaceAll()) {
        replaceAllInEditor(editor, searchText, dialog.ReplaceText(), options);
        return;
    }
    QTextCursor selection = editor.textCursor();
    if (selectionIsHit(selection.selectedText(), searchText)) {
        editor.editStep([&] {
            const int start = selection.selectionStart();
            selection.insertText(dialog.ReplaceText());
            // Going up, the next search starts before the new text, never inside it.
            if (!options.down)
                selection.setPosition(start);
            editor.setTextCursor(selection);
        });
    }
    if (!FindInEditor(editor, searchText, options))
        ShowInformation(messageParent, cannotFindMessage(searchText));
}
