#pragma once

#include "document/find_rules.h"

class QWidget;
class TFindDialog;
class TReplaceDialog;
class TSRichEdit;

// Searches the editor's text from its selection and selects the hit. False when the search
// text or the text is empty or nothing is found; then the selection is left as it was.
bool FindInEditor(TSRichEdit &Editor, const QString &SearchText, FindOptions Options);

// Shows a find or replace dialog of the editor.
void showSearchDialog(TSRichEdit &editor, TFindDialog &dialog);

// Find Next of a dialog: searches with its text and options and tells the user when nothing
// is found.
void findFromDialog(TSRichEdit &editor, const TFindDialog &dialog, QWidget *messageParent);

// Replace: replaces the selection when it is a hit and selects the next hit, telling the user
// when there is none. Replace All: replaces every hit from the selection on as one undo step,
// silently.
void replaceFromDialog(TSRichEdit &editor, const TReplaceDialog &dialog, QWidget *messageParent);
