#include "document/find_commands.h"

#include "controls/message_box.h"
#include "document/find_dialogs.h"
#include "document/text_snapshot.h"
#include "document/trecode.h"

#include <QTextDocument>

namespace {

void selectHit(TSRichEdit &editor, qsizetype hit, qsizetype length)
{
    QTextCursor found(editor.document());
    found.setPosition(int(hit));
    found.setPosition(int(hit + length), QTextCursor::KeepAnchor);
    editor.setTextCursor(found);
}

void replaceAllInEditor(TSRichEdit &editor, const QString &searchText, const QString &replaceText,
                        FindOptions options)
{
    const QTextCursor selection = editor.textCursor();
    const ReplaceAllResult result = replaceAll(
        TextSnapshot::of(*editor.document()).text(), selection.selectionStart(),
        selection.selectionEnd() - selection.selectionStart(), searchText, replaceText, options);
    if (result.ranges.empty())
        return;
    // Hit by hit from the end, so the positions before stay valid; as one edit, so one undo
    // step, and the editor lays out the changed lines once.
    editor.editStep([&] {
        QTextCursor range(editor.document());
        for (auto hit = result.ranges.rbegin(); hit != result.ranges.rend(); ++hit) {
            range.setPosition(int(hit->from));
            range.setPosition(int(hit->to), QTextCursor::KeepAnchor);
            range.insertText(replaceText);
        }
        range.setPosition(int(result.caret));
        editor.setTextCursor(range);
    });
}

} // namespace

bool FindInEditor(TSRichEdit &Editor, const QString &SearchText, FindOptions Options)
{
    if (SearchText.isEmpty())
        return false;
    const QStringView text = TextSnapshot::of(*Editor.document()).text();
    if (text.isEmpty())
        return false;
    const QTextCursor selection = Editor.textCursor();
    const std::optional<qsizetype> hit =
        ScanBuffer(text, selection.selectionStart(),
                   selection.selectionEnd() - selection.selectionStart(), SearchText, Options);
    if (hit)
        selectHit(Editor, *hit, SearchText.size());
    return hit.has_value();
}

void showSearchDialog(TSRichEdit &editor, TFindDialog &dialog)
{
    // The text is copied now, so that the first search does not wait for it.
    TextSnapshot::of(*editor.document()).text();
    dialog.Execute();
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
    if (!selectionIsHit(selection.selectedText(), searchText)) {
        if (!FindInEditor(editor, searchText, options))
            ShowInformation(messageParent, cannotFindMessage(searchText));
        return;
    }
    const int at = selection.selectionStart();
    const QString replaceText = dialog.ReplaceText();
    editor.editStep([&] {
        selection.insertText(replaceText);
        editor.setTextCursor(selection);
    });
    const std::optional<qsizetype> hit = findAfterReplace(
        TextSnapshot::of(*editor.document()).text(), at, replaceText.size(), searchText, options);
    if (hit)
        selectHit(editor, *hit, searchText.size());
    else
        ShowInformation(messageParent, cannotFindMessage(searchText));
}
