#include "app/f_main.h"
#include "controls/explbtn.h"
#include "document/f_html.h"
#include "document/trecode.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Text of a tool from poppler-utils run on a PDF file.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfInfo(const QString &pdf, const QString &field)
{
    for (const QString &line : poppler("pdfinfo", {pdf}).split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

QStringList pageLines(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return poppler("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"})
        .split('\n', Qt::SkipEmptyParts)
        .filter(QRegularExpression("\\S"));
}

class Printing : public TempSettingsTest {
protected:
    void SetUp() override
    {
        frame = std::make_unique<TMain>();
        frame->show();
        processEvents();
        pdf = folder.filePath("out.pdf");
    }

    void TearDown() override
    {
        for (THTML *document : frame->documents())
            document->approveClose();
        frame.reset();
        processEvents();
    }

    THTML &document(const QString &text)
    {
        THTML *created = frame->sbNewClick();
        created->RichEdit->setPlainText(text);
        return *created;
    }

    // Chooses printing to the file in the print dialog and presses Print.
    void printTo(const QString &file)
    {
        driver.then([file](QWidget *dialog) {
            ASSERT_EQ(dialog->objectName(), "PrintDialog1");
            setControlText(dialog, "filename", file);
            static_cast<QDialog *>(dialog)->accept();
        });
    }

    std::unique_ptr<TMain> frame;
    QTemporaryDir folder;
    QString pdf;
    ModalDriver driver;
};

// The tool-bar button prints the active document only.
TEST_F(Printing, MultiPageDocumentPrintsEveryLineOnceWithoutHeaderOrNumbers)
{
    document("first");
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("<P>Line %1</P>").arg(i);
    document(lines.join('\n'));
    printTo(pdf);
    driver.answer("OK");
    frame->findChild<TExplorerButton *>("ebPrint")->click();
    EXPECT_EQ(driver.messages(),
              QStringList{"Information|Document \u00BB\u00BBnoname\u00AB\u00AB printed."});
    EXPECT_EQ(pdfInfo(pdf, "Title"), "Pagewick - \u00BB\u00BBnoname\u00AB\u00AB");
    const int pages = pdfInfo(pdf, "Pages").toInt();
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 5);
    QStringList printed;
    for (int page = 1; page <= pages; ++page) {
        const QStringList onPage = pageLines(pdf, page);
        EXPECT_FALSE(onPage.isEmpty()) << page;
        for (const QString &line : onPage)
            printed << line.trimmed();
    }
    EXPECT_EQ(printed.join('\n').toStdString(), lines.join('\n').toStdString());
}

// A PDF page is printable to its edges, so the text starts at its corner.
TEST_F(Printing, LongLinesWrapInTheEditorsFontFromTheCorner)
{
    THTML &untitled = document("Corner" + QString(300, 'x') + " end");
    untitled.RichEdit->applyLook("Courier New", 10, 0x0000FF, 0xFFFFFF);
    printTo(pdf);
    driver.answer("OK");
    frame->sbPrintClick();
    EXPECT_EQ(pageLines(pdf, 1).join("").remove(' ').toStdString(),
              ("Corner" + QString(300, 'x') + "end").toStdString());
    const QRegularExpressionMatch word =
        QRegularExpression("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>Corner")
            .match(poppler("pdftotext", {"-bbox", pdf, "-"}));
    ASSERT_TRUE(word.hasMatch());
    EXPECT_LT(word.captured(1).toDouble(), 1.5);
    EXPECT_LT(word.captured(2).toDouble(), 3.0);
    EXPECT_TRUE(poppler("pdffonts", {pdf}).contains("LiberationMono"));
}

TEST_F(Printing, CancelPrintsNothingAndAnEmptyDocumentStillPrintsAPageAndConfirms)
{
    THTML &untitled = document("");
    untitled.SetFileName("/tmp/page.htm");
    driver.then([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    frame->sbPrintClick();
    EXPECT_TRUE(driver.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));

    printTo(pdf);
    driver.answer("OK");
    frame->sbPrintClick();
    EXPECT_EQ(driver.messages(),
              QStringList{"Information|Document \u00BB/tmp/page.htm\u00AB printed."});
    EXPECT_EQ(pdfInfo(pdf, "Pages"), "1");
    EXPECT_EQ(pdfInfo(pdf, "Title"), "Pagewick - \u00BB/tmp/page.htm\u00AB");
}

TEST_F(Printing, FailedJobShowsTheErrorAndNoConfirmation)
{
    document("text");
    const QString unwritable = folder.filePath("missing/out.pdf");
    printTo(unwritable);
    driver.answer("OK");
    frame->findChild<QAction *>("miPrint")->trigger();
    ASSERT_EQ(driver.messages().size(), 1);
    EXPECT_EQ(driver.messages().constFirst().toStdString(),
              ("Fehler|Printing failed: \"" + unwritable + "\" cannot be written.").toStdString());
}

TEST_F(Printing, PrinterIsAskedForOnlyWhenFirstNeeded)
{
    // Asking the system for its printers would lengthen every start.
    EXPECT_EQ(frame->findChild<QPrintDialog *>(), nullptr);
    EXPECT_EQ(frame->findChild<QPageSetupDialog *>(), nullptr);
}

TEST_F(Printing, PrinterSetupShowsTheSetupDialogOnTheFramesPrinter)
{
    EXPECT_EQ(frame->PrinterSetupDialog1()->printer(), frame->printer());
    EXPECT_EQ(frame->PrintDialog1()->printer(), frame->printer());
    EXPECT_FALSE(frame->PrintDialog1()->testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(frame->PrintDialog1()->testOption(QAbstractPrintDialog::PrintSelection));
    driver.then([](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), "PrinterSetupDialog1");
        static_cast<QDialog *>(dialog)->reject();
    });
    frame->findChild<QAction *>("miPrinterSetup")->trigger();
    EXPECT_TRUE(driver.messages().isEmpty());
}

} // namespace
