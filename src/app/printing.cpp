#include "app/printing.h"

#include "controls/message_box.h"
#include "core/command_error.h"
#include "document/f_html.h"
#include "document/trecode.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

QString failure(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty()) {
        return QStringLiteral("Printing failed: \"%1\" cannot be written.")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    if (printer.printerName().isEmpty())
        return QStringLiteral("Printing failed: no printer is installed.");
    return QStringLiteral("Printing failed: the printer \"%1\" did not take the job.")
        .arg(printer.printerName());
}

} // namespace

FramePrinting::FramePrinting(QWidget *frame) : m_frame(frame) {}

FramePrinting::~FramePrinting() = default;

QPrinter &FramePrinting::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QPrintDialog &FramePrinting::printDialog()
{
    if (!m_printDialog) {
        m_printDialog = std::make_unique<QPrintDialog>(&printer(), m_frame);
        m_printDialog->setObjectName(QStringLiteral("PrintDialog1"));
        m_printDialog->setOptions(QAbstractPrintDialog::PrintToFile |
                                  QAbstractPrintDialog::PrintShowPageSize |
                                  QAbstractPrintDialog::PrintCollateCopies);
    }
    return *m_printDialog;
}

QPageSetupDialog &FramePrinting::setupDialog()
{
    if (!m_setupDialog) {
        m_setupDialog = std::make_unique<QPageSetupDialog>(&printer(), m_frame);
        m_setupDialog->setObjectName(QStringLiteral("PrinterSetupDialog1"));
    }
    return *m_setupDialog;
}

void printDocument(THTML *document, QPrintDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = document->FileName();
    PrintText(*document->RichEdit, *dialog.printer(),
              QStringLiteral("Pagewick - \u00BB") + name + QStringLiteral("\u00AB"));
    ShowInformation(document,
                    QStringLiteral("Document \u00BB") + name + QStringLiteral("\u00AB printed."));
}

void PrintText(const TSRichEdit &editor, QPrinter &printer, const QString &title)
{
    printer.setDocName(title);
    // The text goes over the whole printable area: no margins beyond what the printer needs.
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    QPainter painter;
    if (!painter.begin(&printer))
        throw CommandError(failure(printer));
    painter.setPen(editor.palette().color(QPalette::Text));
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    wrap.setTabStopDistance(editor.tabStopDistance() * printer.logicalDpiX() /
                            editor.logicalDpiX());
    // Line by line, so a line is never cut by the page end and no page holds a line twice.
    qreal y = 0;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout layout(block.text(), editor.font(), &printer);
        layout.setTextOption(wrap);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(area.width());
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (y > 0 && y + line.height() > area.height()) {
                if (!printer.newPage())
                    throw CommandError(failure(printer));
                y = 0;
            }
            line.draw(&painter, QPointF(0, y - line.y()));
            y += line.height();
        }
    }
    if (!painter.end())
        throw CommandError(failure(printer));
}
