// Times find and replace on big documents in a shown window: Find Next over ~40 MB (the hit in
// the last line, and no hit at all), and Replace All of 100,000 three-character hits by eight
// characters in ~10 MB, beside sed doing the same replacement on the same file.
#include "app/f_main.h"
#include "app/file_commands.h"
#include "bench_support.h"
#include "document/f_html.h"
#include "document/find_dialogs.h"
#include "document/trecode.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Lines of table rows; with bold set, four of every ten lines hold a bold word.
QByteArray generatedHtml(int lines, bool bold)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 48);
    for (int i = 0; i < lines; ++i) {
        bytes += "<TR><TD>Row ";
        bytes += QByteArray::number(i);
        bytes +=
            bold && i % 10 >= 6 ? "</TD><TD><B>c</B></TD></TR>\r\n" : "</TD><TD>cell</TD></TR>\r\n";
    }
    return bytes;
}

THTML *open(TMain &frame, const QString &path)
{
    THTML *document = frame.openDocument(path);
    QCoreApplication::processEvents();
    return document;
}

void findNext(THTML &document, const QString &text, bool wholeWord, const char *what)
{
    document.RichEdit->setCaret(0, 0);
    document.FindDialog1->eFindText->setText(text);
    document.FindDialog1->cbWholeWord->setChecked(wholeWord);
    const double ms = bench::measure([&] { document.FindDialog1->bbFindNext->click(); }).wallMs;
    std::printf("Find Next, %-40s %8.1f ms (caret %d:%d)\n", what, ms, document.RichEdit->Col(),
                document.RichEdit->Row());
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    bench::useTemporarySettings(home);
    QApplication app(argc, argv);
    TMain frame;
    frame.show();
    QCoreApplication::processEvents();

    const int bigLines = 1000000;
    const QString big = bench::writeFile(home, "big.htm", generatedHtml(bigLines, false));
    std::printf("Find Next: %.1f MB, %d lines\n", QFile(big).size() / 1048576.0, bigLines);
    THTML *document = open(frame, big);
    if (!document)
        return 1;
    // Answers the "Cannot find" box of a search without a hit.
    QObject::connect(&app, &QApplication::focusChanged, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
    });
    const double openMs = bench::measure([&] { document->sbSearchClick(); }).wallMs;
    std::printf("open the Find dialog (copies the text once)     %8.1f ms\n", openMs);
    findNext(*document, QStringLiteral("Row %1<").arg(bigLines - 1), false, "hit in the last line");
    findNext(*document, QStringLiteral("Row %1").arg(bigLines - 1), true, "whole word, last line");
    findNext(*document, QStringLiteral("nowhere"), false, "no hit");
    document->approveClose();
    document->parentWidget()->close();
    QCoreApplication::processEvents();

    const int lines = 250000;
    const QString bold = bench::writeFile(home, "bold.htm", generatedHtml(lines, true));
    const double mb = QFile(bold).size() / 1048576.0;
    document = open(frame, bold);
    if (!document)
        return 1;
    TReplaceDialog &dialog = *document->ReplaceDialog1;
    dialog.eFindText->setText(QStringLiteral("<B>"));
    dialog.eReplaceText->setText(QStringLiteral("<STRONG>"));
    document->RichEdit->setCaret(0, 0);
    const double replaceMs = bench::measure([&] { dialog.bbReplaceAll->click(); }).wallMs;
    const qsizetype hits =
        document->RichEdit->document()->toRawText().count(QStringLiteral("<STRONG>"));
    const double undoMs = bench::measure([&] { document->sbUndoClick(); }).wallMs;
    document->approveClose();

    // The file holds no lower-case "<b>", so sed's exact match replaces the same hits.
    QProcess sed;
    sed.setStandardOutputFile(home.filePath("sed.htm"));
    const double sedMs =
        bench::measure([&] {
            sed.start(QStringLiteral("sed"), {QStringLiteral("s/<B>/<STRONG>/g"), bold});
            sed.waitForFinished(-1);
        }).wallMs;
    std::printf("Replace All: %.1f MB, %lld hits of \"<B>\" by \"<STRONG>\"\n", mb,
                static_cast<long long>(hits));
    std::printf("  Pagewick Replace All                         %8.1f ms\n", replaceMs);
    std::printf("  its Undo                                     %8.1f ms\n", undoMs);
    std::printf("  sed on the same file                         %8.1f ms\n", sedMs);
    std::printf("  ratio                                        %8.1f x\n", replaceMs / sedMs);
    return 0;
}
