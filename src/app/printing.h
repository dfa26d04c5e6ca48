#pragma once

#include <QString>

class QPrintDialog;
class QPrinter;
class QWidget;
class THTML;
class TSRichEdit;

// The frame's print dialog on its printer: the choice of printer and its properties, with
// neither a page range nor a selection to print.
QPrintDialog *createPrintDialog(QPrinter *printer, QWidget *parent);

// File > Print: nothing without a document; the print dialog (Cancel ends it silently), the
// whole text, then the confirmation. Raises CommandError when the job fails.
void printDocument(THTML *document, QPrintDialog &dialog);

// The editor's print: its whole text in its font and text colour over the printable area of
// each page, page after page, under the job title. Raises CommandError when the job fails.
void PrintText(const TSRichEdit &editor, QPrinter &printer, const QString &title);
