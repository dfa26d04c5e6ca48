// Times keystrokes in a shown, focused document window where they used to be slow: a character
// and Backspace in a ~49 MB, 900,000-line document (time and growth of the peak memory, beside a
// plain QPlainTextEdit holding the same text), typing, moving and clicking in one long line of
// 1 MB and of 10 MB, and the CPU the window uses over a few seconds of doing nothing with the
// caret in a long line. The big document is also opened and paged through, and a comment is
// opened at its top.
// Arguments: "big" and long-line sizes in MB, in any order (default: big 1 10), and "plain"
// for windows without syntax colouring.
#include "app/f_main.h"
#include "app/file_commands.h"
#include "document/f_html.h"
#include "document/memory_reuse.h"
#include "document/trecode.h"

#include "bench_support.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <cstdio>

namespace {

using bench::Cost;
using bench::measure;

constexpr double KeyTargetMs = 50;

// Minified markup: one line, no line break.
QByteArray longLine(qsizetype bytes)
{
    const QByteArray cell = "<td class=c>cell</td>";
    QByteArray line = cell.repeated(bytes / cell.size() + 1);
    line.truncate(bytes);
    return line;
}

void focus(QWidget &window, QWidget &editor)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    editor.setFocus();
    QCoreApplication::processEvents();
}

// Types a character and Backspace `pairs` times; prints the worst and mean key and the growth
// of the peak memory over the size before the first key.
void typeAndErase(const char *name, QWidget &editor, int pairs)
{
    QCoreApplication::processEvents();
    const long before = bench::statusKb("VmRSS:");
    bench::resetPeak();
    double worst = 0;
    double total = 0;
    for (int i = 0; i < 2 * pairs; ++i) {
        const Cost key = measure([&] {
            if (i % 2 == 0)
                QTest::keyClick(&editor, Qt::Key_X);
            else
                QTest::keyClick(&editor, Qt::Key_Backspace);
        });
        worst = qMax(worst, key.cpuMs);
        total += key.cpuMs;
    }
    const double growthMb = (bench::statusKb("VmHWM:") - before) / 1024.0;
    std::printf("%-40s cpu per key: worst %7.1f ms, mean %7.1f ms (target <= %.0f)   peak "
                "growth %6.1f MB (target 0)\n",
                name, worst, total / (2 * pairs), KeyTargetMs, growthMb);
}

// The CPU used in each of a few seconds of doing nothing, so that work left over from the last
// key, or done while idle, shows apart.
QString idleSeconds(int count)
{
    QString seconds;
    for (int second = 0; second < count; ++second) {
        const double cpuStart = bench::cpuMs();
        QEventLoop idle;
        QTimer::singleShot(1000, &idle, &QEventLoop::quit);
        idle.exec();
        seconds += QStringLiteral(" %1").arg(bench::cpuMs() - cpuStart, 0, 'f', 1);
    }
    return seconds;
}

// Presses a key `presses` times; prints the worst and mean cost.
void press(const char *name, QWidget &editor, Qt::Key key, int presses)
{
    double worst = 0;
    double total = 0;
    for (int i = 0; i < presses; ++i) {
        const Cost cost = measure([&] { QTest::keyClick(&editor, key); });
        worst = qMax(worst, cost.cpuMs);
        total += cost.cpuMs;
    }
    std::printf("%-40s cpu per key: worst %7.1f ms, mean %7.1f ms\n", name, worst, total / presses);
}

THTML *openFocused(TMain &frame, const QString &path)
{
    THTML *document = frame.openDocument(path);
    if (!document)
        return nullptr;
    document->parentWidget()->showMaximized();
    focus(frame, *document->RichEdit);
    return document;
}

void closeDocument(THTML &document)
{
    document.approveClose();
    document.parentWidget()->close();
    QCoreApplication::processEvents();
}

void bigDocument(TMain &frame, const QTemporaryDir &dir)
{
    const QByteArray bytes = bench::manyLines(900000);
    const QString path = bench::writeFile(dir, "big.htm", bytes);
    std::printf("big document: 900,000 lines, %.1f MB\n", bytes.size() / 1048576.0);

    const long before = bench::statusKb("VmRSS:");
    THTML *document = nullptr;
    const Cost open = measure([&] { document = openFocused(frame, path); });
    if (!document)
        return;
    std::printf("  %-38s wall %8.1f ms, cpu %8.1f ms, RSS growth %ld MB\n", "open and show",
                open.wallMs, open.cpuMs, (bench::statusKb("VmRSS:") - before) / 1024);
    TSRichEdit &edit = *document->RichEdit;
    edit.setRow(450000);
    edit.setCol(12);
    std::printf("  %-38s cpu ms in each second:%s\n", "idle after the jump to mid-document",
                qPrintable(idleSeconds(2)));
    std::printf("  RSS with the document open: %ld MB\n", bench::statusKb("VmRSS:") / 1024);
    typeAndErase("  character + Backspace, mid-document", edit, 5);
    edit.setRow(899999);
    typeAndErase("  character + Backspace, last line", edit, 5);
    std::printf("  %-38s cpu ms in each second:%s\n", "idle after the last line",
                qPrintable(idleSeconds(2)));
    edit.setRow(450000);
    press("  Page Down, mid-document", edit, Qt::Key_PageDown, 20);

    // Everything below now lies in the comment; only what is shown may be coloured.
    const Cost opened = measure([&] {
        edit.setRow(0);
        document->InsertAtCaret(QStringLiteral("<!--"), false, 0);
    });
    const Cost toEnd = measure([&] { QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier); });
    std::printf("  %-38s cpu %7.1f ms, then Ctrl+End cpu %7.1f ms\n", "comment opened at the top",
                opened.cpuMs, toEnd.cpuMs);
    std::printf("  %-38s cpu ms in each second:%s\n", "idle after Ctrl+End",
                qPrintable(idleSeconds(2)));
    press("  Page Up from the end", edit, Qt::Key_PageUp, 20);
    edit.setRow(0);
    press("  Page Down from the top", edit, Qt::Key_PageDown, 20);

    QPlainTextEdit plain;
    plain.setLineWrapMode(QPlainTextEdit::NoWrap);
    plain.setPlainText(edit.document()->toPlainText());
    closeDocument(*document);
    focus(plain, plain);
    QTextCursor middle(plain.document()->findBlockByNumber(450000));
    middle.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 12);
    plain.setTextCursor(middle);
    typeAndErase("  plain QPlainTextEdit, for reference", plain, 5);
}

void longLineDocument(TMain &frame, const QTemporaryDir &dir, double megabytes)
{
    const qsizetype size = qsizetype(megabytes * 1048576);
    const QString path =
        bench::writeFile(dir, QStringLiteral("line%1.htm").arg(megabytes), longLine(size));
    const double target = megabytes <= 1 ? 50 : 300;
    std::printf("one line of %.0f MB\n", megabytes);

    THTML *document = nullptr;
    const Cost open = measure([&] { document = openFocused(frame, path); });
    std::printf("  %-38s wall %8.1f ms, cpu %8.1f ms\n", "open and show", open.wallMs, open.cpuMs);
    if (!document)
        return;
    TSRichEdit &edit = *document->RichEdit;

    const Cost end = measure([&] { QTest::keyClick(&edit, Qt::Key_End); });
    std::printf("  %-38s wall %8.1f ms, cpu %8.1f ms\n", "End key", end.wallMs, end.cpuMs);
    double worst = 0;
    double total = 0;
    const int keys = 6;
    for (int i = 0; i < keys; ++i) {
        const Cost key = measure([&] { QTest::keyClick(&edit, Qt::Key(Qt::Key_A + i)); });
        worst = qMax(worst, key.cpuMs);
        total += key.cpuMs;
    }
    std::printf("  %-38s cpu per key: worst %7.1f ms, mean %7.1f ms (target <= %.0f)\n",
                "typing at the line end", worst, total / keys, target);

    edit.setCol(int(size / 2));
    QCoreApplication::processEvents();
    worst = 0;
    for (int i = 0; i < keys; ++i)
        worst = qMax(worst, measure([&] { QTest::keyClick(&edit, Qt::Key(Qt::Key_A + i)); }).cpuMs);
    std::printf("  %-38s cpu per key: worst %7.1f ms (target <= %.0f)\n", "typing mid-line", worst,
                target);

    // The moves the editor makes itself in a long line, and erasing.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> moves[] = {{Qt::Key_Left, {}},
                                                               {Qt::Key_Right, {}},
                                                               {Qt::Key_Left, Qt::ControlModifier},
                                                               {Qt::Key_Right, Qt::ControlModifier},
                                                               {Qt::Key_Home, {}},
                                                               {Qt::Key_End, {}},
                                                               {Qt::Key_Up, {}},
                                                               {Qt::Key_Down, {}},
                                                               {Qt::Key_Backspace, {}},
                                                               {Qt::Key_Delete, {}}};
    edit.setCol(int(size / 2));
    worst = 0;
    for (const auto &[key, modifiers] : moves)
        worst = qMax(worst, measure([&] { QTest::keyClick(&edit, key, modifiers); }).cpuMs);
    const QPoint inView = edit.cursorRect().center() - QPoint(40, 0);
    worst = qMax(worst, measure([&] {
                            QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, inView);
                        }).cpuMs);
    std::printf("  %-38s cpu per key: worst %7.1f ms (target <= %.0f)\n",
                "moves, erasing and a click", worst, target);

    // Nothing happens: no blink, no timer may cost anything.
    std::printf("  %-38s cpu ms in each second:%s (target 0), focus %s\n",
                "idle, caret in the line", qPrintable(idleSeconds(3)),
                edit.hasFocus() ? "yes" : "no");
    closeDocument(*document);
}

} // namespace

int main(int argc, char **argv)
{
    reuseFreedMemory(); // as the program does
    QTemporaryDir home;
    bench::useTemporarySettings(home);
    QApplication app(argc, argv);

    TMain frame;
    frame.show();
    QCoreApplication::processEvents();

    QStringList runs = QCoreApplication::arguments().mid(1);
    const bool colouring = !runs.removeAll(QStringLiteral("plain"));
    bench::setColouring(colouring);
    std::printf("syntax colouring %s\n", colouring ? "on" : "off");
    if (runs.isEmpty())
        runs = {QStringLiteral("big"), QStringLiteral("1"), QStringLiteral("10")};
    for (const QString &run : runs) {
        if (run == QLatin1String("big"))
            bigDocument(frame, home);
        else
            longLineDocument(frame, home, run.toDouble());
    }
    return 0;
}
