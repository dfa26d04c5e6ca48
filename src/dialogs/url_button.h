#pragma once

#include "controls/dialog_rows.h"

class QString;

// A URL row: an edit with a "..." button beside it, hint its tooltip and accessible name. A click
// runs the URL builder, and OK copies its URL into the edit; Cancel leaves the edit alone.
DialogRows::ButtonRow addUrlRow(DialogRows &rows, const QString &caption, const char *editName,
                                const char *buttonName, const QString &hint,
                                const char *labelName = nullptr);
