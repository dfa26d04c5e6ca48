#pragma once

class TSRichEdit;

// Indent: two blanks go in front of the caret's line (only that line, whatever the selection),
// and the caret goes to the line end. One undo step.
void IndentLine(TSRichEdit &editor);

// Unindent: removes two leading blanks of the caret's line, caret to the line end; a line
// that does not start with two blanks is left as it is, caret included.
void UnIndentLine(TSRichEdit &editor);
