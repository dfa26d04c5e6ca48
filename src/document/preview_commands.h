#pragma once

class THTML;

// Shows the document in the ExtBrowser browser, or the system's default one when none is set;
// raises CommandError when the copy cannot be written or the browser cannot be started.
void previewDocument(THTML &document);

// Removes every preview copy at once, without waiting for the program to end.
void removePreviewCopies();
