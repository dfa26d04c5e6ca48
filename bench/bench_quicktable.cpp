// Times QuickTable at its largest, 255 x 255 cells: the grid sized by typing the counts, shrunk and
// grown back with every cell filled, and the table (65,537 lines) read from the grid and written
// into a document window as one undo step.
// Usage: bench_quicktable [columns and rows, default 255]
#include "bench_support.h"
#include "controls/string_grid.h"
#include "document/f_html.h"
#include "document/trecode.h"
#include "tables/f_tabed.h"
#include "tables/table_markup.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

void step(const char *name, const std::function<void()> &work)
{
    const bench::Cost cost = bench::measure(work);
    std::printf("%-44s %8.1f ms (cpu %7.1f ms)\n", name, cost.wallMs, cost.cpuMs);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    bench::useTemporarySettings(home);
    QApplication app(argc, argv);
    const QString size = QString::number(argc > 1 ? std::atoi(argv[1]) : MaxGridCount);

    THTML document;
    QStringList text;
    for (int line = 0; line < 1000; ++line)
        text << QStringLiteral("<P>Line %1</P>").arg(line);
    document.RichEdit->setPlainText(text.join(QLatin1Char('\n')));
    document.RichEdit->setCaret(500, 3);
    document.show();

    TTableEdit dialog;
    dialog.show();
    dialog.sgTable->setFocus();
    QCoreApplication::processEvents();
    step("grid sized by the typed counts, then drawn", [&] {
        dialog.eNrCols->setText(size);
        dialog.eNrRows->setText(size);
        dialog.sgTable->repaint();
    });
    for (int row = 0; row < dialog.sgTable->rowCount(); ++row) {
        for (int column = 0; column < dialog.sgTable->columnCount(); ++column)
            dialog.sgTable->setCell(column, row, QStringLiteral("r%1c%2").arg(row).arg(column));
    }
    step("filled grid retyped to 2 x 2 and back", [&] {
        for (const QString &count : {QStringLiteral("2"), size}) {
            dialog.eNrCols->setText(count);
            dialog.eNrRows->setText(count);
            QCoreApplication::processEvents();
        }
    });
    step("table read from the grid and inserted",
         [&] { document.InsertLines(quickTableLines(dialog.GetTableData())); });
    std::printf("document now %d lines, caret on line %d\n", document.LineCount(),
                document.RichEdit->Row());
    step("one undo takes the table out again", [&] { document.RichEdit->undo(); });
    std::printf("document now %d lines\n", document.LineCount());
    return 0;
}
