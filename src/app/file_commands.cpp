#include "app/file_commands.h"

#include "controls/message_box.h"
#include "core/command_error.h"
#include "document/f_html.h"
#include "document/file_names.h"
#include "document/trecode.h"

#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString HtmlFilter = QStringLiteral("HTML files (*.htm *.html)");

THTML *createDocumentWindow(QMdiArea &area, const THTML::SaveHandler &save,
                            const std::function<void(THTML &)> &setUp)
{
    auto *document = new THTML;
    document->setSaveHandler(save);
    QMdiSubWindow *frame = area.addSubWindow(document);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->resize(646, 480);
    try {
        setUp(*document);
    } catch (const CommandError &error) {
        // Never leave a window that a later Save could write over a file the user never saw.
        delete frame;
        ShowError(area.window(), error.message());
        return nullptr;
    }
    frame->show();
    area.setActiveSubWindow(frame);
    document->RichEdit->setFocus();
    return document;
}

// Writes the document to its file name; reports a failure and returns false.
bool writeDocument(THTML &document)
{
    try {
        document.WriteFile(document.FileName());
    } catch (const CommandError &error) {
        ShowError(&document, error.message());
        document.PosChange();
        return false;
    }
    document.setModified(false);
    return true;
}

QFileDialog *createFileDialog(QWidget *parent, const char *name, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(QLatin1String(name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(HtmlFilter);
    dialog->setDirectory(QDir::homePath());
    return dialog;
}

} // namespace

THTML *newDocumentWindow(QMdiArea &area, const THTML::SaveHandler &save, bool SkipSkeleton)
{
    return createDocumentWindow(area, save, [SkipSkeleton](THTML &document) {
        document.SetFileName(NoName);
        document.NewDocument(SkipSkeleton);
    });
}

THTML *openDocumentWindow(QMdiArea &area, const QString &path, const THTML::SaveHandler &save)
{
    return createDocumentWindow(area, save, [&path](THTML &document) {
        document.SetFileName(path);
        document.LoadDocument();
    });
}

THTML *recoveredDocumentWindow(QMdiArea &area, const LeftCopy &copy, const THTML::SaveHandler &save)
{
    return createDocumentWindow(area, save, [&copy](THTML &document) {
        const QString &file = copy.read.copy.fileName;
        document.SetFileName(file.isEmpty() ? NoName : file);
        document.RecoverDocument(copy.read.copy, copy.path);
    });
}

bool saveDocument(THTML &document, QFileDialog &saveDialog)
{
    if (document.FileName() == NoName)
        return saveDocumentAs(document, saveDialog);
    return writeDocument(document);
}

bool saveDocumentAs(THTML &document, QFileDialog &saveDialog)
{
    if (saveDialog.exec() != QDialog::Accepted || saveDialog.selectedFiles().isEmpty())
        return false;
    const QString path = saveDialog.selectedFiles().constFirst();
    saveDialog.selectFile(path);
    document.SetFileName(path);
    document.setWindowTitle(savedAsCaption(path));
    return writeDocument(document);
}

QFileDialog *createOpenDialog(QWidget *parent)
{
    QFileDialog *dialog = createFileDialog(parent, "OpenDialog1", QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::ReadOnly, false);
    return dialog;
}

QFileDialog *createSaveDialog(QWidget *parent)
{
    QFileDialog *dialog = createFileDialog(parent, "SaveDialog1", QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setDefaultSuffix(QString());
    return dialog;
}
