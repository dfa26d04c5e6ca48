// Times the hot paths of a document window on a ~40 MB, 1,000,000-line CRLF file:
// open, scattered insertions, caret reads, maximise/restore, save. Prints time and peak memory.
// Arguments: the number of lines, and "plain" for windows without syntax colouring.
#include "app/f_main.h"
#include "app/file_commands.h"
#include "bench_support.h"
#include "document/f_html.h"
#include "document/memory_reuse.h"
#include "document/trecode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

using bench::statusKb;

void step(const char *name, double fileMb, const std::function<void()> &work)
{
    bench::resetPeak();
    const bench::Cost cost = bench::measure(work);
    const double peakMb = statusKb("VmHWM:") / 1024.0;
    std::printf("%-34s %10.1f ms (cpu %7.1f ms)   peak RSS %7.0f MB (%.1f x file)\n", name,
                cost.wallMs, cost.cpuMs, peakMb, peakMb / fileMb);
}

QByteArray generatedHtml(int lines)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 42);
    for (int i = 0; i < lines; ++i) {
        bytes += "<TR><TD>Row ";
        bytes += QByteArray::number(i);
        bytes += "</TD><TD>cell</TD></TR>\r\n";
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    bench::useTemporarySettings(home);
    QApplication app(argc, argv);
    // "bench_document plain" keeps the default size.
    bool counted = false;
    const int given = QCoreApplication::arguments().value(1).toInt(&counted);
    const int lines = counted ? given : 1000000;
    const bool colouring = !QCoreApplication::arguments().contains(QStringLiteral("plain"));
    bench::setColouring(colouring);

    const QString path = home.filePath("big.htm");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(generatedHtml(lines));
    }
    // As the program does, once the benchmark's own buffers are gone.
    reuseFreedMemory();
    const double fileMb = QFileInfo(path).size() / 1048576.0;
    std::printf("file: %d lines, %.1f MB, baseline RSS %ld MB, colouring %s\n", lines, fileMb,
                statusKb("VmRSS:") / 1024, colouring ? "on" : "off");

    TMain frame;
    frame.show();
    QCoreApplication::processEvents();
    std::printf("frame shown, RSS %ld MB before the open\n", statusKb("VmRSS:") / 1024);

    THTML *document = nullptr;
    step("open into a shown window", fileMb, [&] { document = frame.openDocument(path); });
    if (!document)
        return 1;
    TSRichEdit &edit = *document->RichEdit;

    QRandomGenerator random(42);
    step("1,000 caret moves, scattered", fileMb, [&] {
        for (int i = 0; i < 1000; ++i) {
            edit.setRow(int(random.bounded(lines)));
            edit.setCol(5);
        }
    });
    step("1,000 InsertAtCaret, scattered", fileMb, [&] {
        for (int i = 0; i < 1000; ++i) {
            edit.setRow(int(random.bounded(lines)));
            edit.setCol(5);
            document->InsertAtCaret(QStringLiteral("<B></B>"), true, 3);
        }
    });

    long sink = 0;
    QElapsedTimer reads;
    reads.start();
    for (int i = 0; i < 1000; ++i)
        sink += edit.Row() + edit.Col();
    std::printf("%-34s %10.3f us per Row+Col read (%ld)\n", "1,000 Row/Col reads",
                reads.nsecsElapsed() / 1e3 / 1000, sink % 10);

    auto *window = qobject_cast<QMdiSubWindow *>(document->parentWidget());
    step("maximise", fileMb, [&] { window->showMaximized(); });
    step("restore", fileMb, [&] { window->showNormal(); });

    step("save", fileMb, [&] { document->WriteFile(home.filePath("saved.htm")); });
    document->approveClose();
    return 0;
}
