#include "document/preview_commands.h"

#include "core/command_error.h"
#include "document/f_html.h"
#include "document/preview_rules.h"
#include "document/trecode.h"
#include "settings/settings_schema.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

#include <vector>

namespace {

// The browser reads the copy at its own pace: a copy lives until its document shows a newer one
// or closes, and in any case at least this long after the browser was started.
constexpr qint64 GraceMs = 2 * 60 * 1000;

class PreviewCopies : public QObject {
public:
    static PreviewCopies &instance()
    {
        static QPointer<PreviewCopies> copies;
        // A child of the application: its end removes what is left.
        if (!copies)
            copies = new PreviewCopies(QCoreApplication::instance());
        return *copies;
    }

    // path was shown for document: older copies of it retire, and this one when it closes.
    void keep(const QObject *document, const QString &path)
    {
        retireCopiesOf(document);
        QElapsedTimer age;
        age.start();
        m_copies.push_back({document, path, age});
        connect(document, &QObject::destroyed, this, &PreviewCopies::retireCopiesOf,
                Qt::UniqueConnection);
    }

    void removeAll()
    {
        for (const Copy &copy : m_copies)
            QFile::remove(copy.path);
        m_copies.clear();
    }

    ~PreviewCopies() override { removeAll(); }

private:
    using QObject::QObject;

    struct Copy {
        const QObject *document; // null once retired
        QString path;
        QElapsedTimer age;
    };

    void retireCopiesOf(const QObject *document)
    {
        for (Copy &copy : m_copies) {
            if (copy.document != document)
                continue;
            copy.document = nullptr;
            QTimer::singleShot(qMax<qint64>(0, GraceMs - copy.age.elapsed()), this,
                               [this, path = copy.path] { remove(path); });
        }
    }

    void remove(const QString &path)
    {
        QFile::remove(path);
        std::erase_if(m_copies, [&](const Copy &copy) { return copy.path == path; });
    }

    std::vector<Copy> m_copies;
};

// browser: the setting as the user wrote it, to name it in the message.
void startBrowser(const PreviewPlan &plan, const QString &browser)
{
    if (plan.program.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(plan.shownFile)))
            throw CommandError(QStringLiteral("The system's browser could not be started to "
                                              "show \"%1\".")
                                   .arg(QDir::toNativeSeparators(plan.shownFile)));
        return;
    }
    QProcess process;
    process.setProgram(plan.program);
    process.setArguments(plan.arguments);
    if (!process.startDetached())
        throw CommandError(QStringLiteral("The browser \"%1\" could not be started: %2")
                               .arg(browser, process.errorString()));
}

} // namespace

void previewDocument(THTML &document)
{
    const SettingsFields settings = readSettings();
    const PreviewPlan plan = previewPlan({
        document.FileName(),
        document.isModified(),
        settings.ExtBrowser,
        QFileInfo(settings.ExtBrowser).isFile(),
        QDir::tempPath(),
        QString::number(QRandomGenerator::global()->generate64(), 36),
    });
    if (plan.writeCopy) {
        const SaveResult saved = document.RichEdit->saveFile(plan.shownFile, document.fileFormat());
        if (!saved.ok)
            throw CommandError(saved.error);
    }
    try {
        startBrowser(plan, settings.ExtBrowser);
    } catch (const CommandError &) {
        // No browser will ever read it.
        if (plan.writeCopy)
            QFile::remove(plan.shownFile);
        throw;
    }
    if (plan.writeCopy)
        PreviewCopies::instance().keep(&document, plan.shownFile);
}

void removePreviewCopies()
{
    PreviewCopies::instance().removeAll();
}
