// Times the GUI thread's part of recovery copies of a ~40 MB, 700,000-line document: the slices
// in which the text is first taken while the editor is idle, then each copy after an edit (only
// the change is taken again), and the time until each copy is on disk, which its own thread
// spends.
#include "document/f_html.h"
#include "document/memory_reuse.h"
#include "document/recovery_store.h"
#include "document/recovery_writer.h"
#include "document/text_snapshot.h"
#include "document/trecode.h"

#include "bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <cstdio>

namespace {

constexpr double TargetMs = 50;

// GUI-thread wall and CPU time of taking one copy, and the wall time until it is written.
void copyOnce(const char *what, THTML &document)
{
    RecoveryWriter &writer = *document.recoveryWriter();
    const double cpuStart = bench::cpuMs();
    QElapsedTimer timer;
    timer.start();
    const bool started = writer.writeNow();
    const double guiMs = timer.nsecsElapsed() / 1e6;
    const double cpuMs = bench::cpuMs() - cpuStart;
    const bool written = QTest::qWaitFor([&] { return !writer.isWriting(); }, 60000);
    if (!started || !written)
        std::printf("  no copy was %s\n", started ? "finished within a minute" : "started");
    std::printf("  %-28s GUI thread: wall %6.1f ms, cpu %6.1f ms (target <= %.0f);"
                " on disk after %6.1f ms\n",
                what, guiMs, cpuMs, TargetMs, timer.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    reuseFreedMemory(); // as the program does
    QTemporaryDir home;
    bench::useTemporarySettings(home);
    qputenv("PAGEWICK_RECOVERY_QUIET_MS", "600000"); // the benchmark takes the copies itself
    QApplication app(argc, argv);
    RecoveryStore store(home.filePath(QStringLiteral("recovery")));
    RecoveryStore::setCurrent(&store);

    const QByteArray bytes = bench::manyLines(700000);
    const QString path = bench::writeFile(home, QStringLiteral("big.htm"), bytes);
    std::printf("recovery copy of a document of 700,000 lines, %.1f MB\n",
                bytes.size() / 1048576.0);
    THTML document;
    document.SetFileName(path);
    document.LoadDocument();
    document.show();
    QCoreApplication::processEvents();

    QTextDocument &text = *document.RichEdit->document();
    QTextCursor(text.findBlockByNumber(1)).insertText(QStringLiteral("x"));
    // The first edit starts taking the text in slices, one per turn of the event loop.
    TextSnapshot &snapshot = TextSnapshot::of(text);
    double worstSlice = 0;
    int slices = 0;
    QElapsedTimer whole;
    whole.start();
    while (!snapshot.isComplete()) {
        QElapsedTimer slice;
        slice.start();
        QCoreApplication::processEvents();
        worstSlice = std::max(worstSlice, slice.nsecsElapsed() / 1e6);
        ++slices;
        if (slices % 8 == 0) // typing meanwhile, above the part already taken
            QTextCursor(text.findBlockByNumber(slices)).insertText(QStringLiteral("y"));
    }
    std::printf("  %-28s %d slices, worst %5.1f ms (target <= %.0f), all in %6.1f ms\n",
                "text taken while idle", slices, worstSlice, TargetMs, whole.nsecsElapsed() / 1e6);
    for (int i = 0; i < 6; ++i) {
        QTextCursor at(text.findBlockByNumber(100000 * i));
        at.insertText(QStringLiteral("x"));
        copyOnce(i == 0 ? "first copy" : "copy after an edit", document);
    }
    std::printf("  copy file: %.1f MB\n",
                QFileInfo(document.recoveryWriter()->path()).size() / 1048576.0);
    document.approveClose();
    return 0;
}
