#pragma once

#include <QString>
#include <memory>

class QPageSetupDialog;
class QPrintDialog;
class QPrinter;
class QWidget;
class THTML;
class TSRichEdit;

// The frame's printer and its two dialogs. Made on first use, since asking the system for its
// printers costs start-up time, and kept, so each dialog reopens on its last choice.
class FramePrinting {
public:
    explicit FramePrinting(QWidget *frame);
    ~FramePrinting();

    QPrinter &printer();
    // The choice of printer and its properties, with neither a page range nor a selection.
    QPrintDialog &printDialog();
    QPageSetupDialog &setupDialog();

private:
    QWidget *m_frame;
    // Declared first: the dialogs use the printer and go before it.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrintDialog> m_printDialog;
    std::unique_ptr<QPageSetupDialog> m_setupDialog;
};

// File > Print on a document: the print dialog (Cancel ends it silently), the whole text,
// then the confirmation. Raises CommandError when the job fails.
void printDocument(THTML *document, QPrintDialog &dialog);

// The editor's print: its whole text in its font and text colour over the printable area of
// each page, page after page, under the job title. Raises CommandError when the job fails.
void PrintText(const TSRichEdit &editor, QPrinter &printer, const QString &title);
