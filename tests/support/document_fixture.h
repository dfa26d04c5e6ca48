#pragma once

#include "document/f_html.h"

#include <QString>
#include <memory>

// A document window on its own, holding text ('\n' between lines) with the caret at
// line/column, unmodified.
std::unique_ptr<THTML> makeDocument(const QString &text = {}, int line = 0, int column = 0);

// The whole text of a window's editor, '\n' between lines.
QString documentText(const THTML &document);

// Clicks a button of the window's tag pages as the user would: its page first, then the button.
void clickTagButton(THTML &document, const char *name);
