#include "auxiliary/upload_commands.h"

#include "controls/message_box.h"
#include "core/command_error.h"
#include "settings/settings_schema.h"

#include <QCloseEvent>
#include <QDir>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>

namespace {

// The hosts the user let have the password over plain FTP, for this session.
QSet<QString> &plainAgreed()
{
    static QSet<QString> servers;
    return servers;
}

// Cancel asks the transfer to stop; the window stays until the transfer has ended.
class UploadProgress : public QProgressDialog {
public:
    UploadProgress(QWidget *parent, const UploadTransfer &transfer)
        : QProgressDialog(parent), m_transfer(transfer)
    {
        setObjectName(QStringLiteral("UploadProgress"));
        setWindowTitle(QStringLiteral("Upload files"));
        setWindowModality(Qt::ApplicationModal);
        setAutoClose(false);
        setAutoReset(false);
        setRange(0, Steps);
        disconnect(this, &QProgressDialog::canceled, this, &QProgressDialog::cancel);
        connect(this, &QProgressDialog::canceled, this, [this] {
            m_cancelling = true;
            setLabelText(QStringLiteral("Cancelling..."));
            findChild<QPushButton *>()->setEnabled(false);
        });
        showProgress(0, 0, 0);
        QProgressDialog::show();
    }

    void showProgress(int file, qint64 fileDone, qint64 totalDone)
    {
        if (m_cancelling)
            return;
        const QLocale locale;
        // One pass, so that a "%" in a path stays as it is.
        setLabelText(QStringLiteral("Sending \"%1\" (file %2 of %3)\n%4 of %5 bytes\n%6 of %7 "
                                    "bytes in all")
                         .arg(QDir::toNativeSeparators(m_transfer.localPath(file)),
                              QString::number(file + 1), QString::number(m_transfer.count()),
                              locale.toString(fileDone), locale.toString(m_transfer.size(file)),
                              locale.toString(totalDone), locale.toString(m_transfer.total())));
        const qint64 total = m_transfer.total();
        setValue(total > 0 ? int(totalDone * Steps / total) : 0);
    }

    void reject() override { emit canceled(); }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        emit canceled();
    }

private:
    // QProgressDialog counts in int.
    static constexpr int Steps = 1000;
    const UploadTransfer &m_transfer;
    bool m_cancelling = false;
};

QString report(const UploadOutcome &outcome, const QString &target)
{
    QString text;
    if (!outcome.error.isEmpty())
        text = outcome.error;
    else if (outcome.cancelled)
        text = QStringLiteral("The upload was cancelled.");
    if (!outcome.sent.isEmpty())
        text += (text.isEmpty() ? QStringLiteral("Sent to %1:\n")
                                : QStringLiteral("\n\nSent to %1 "
                                                 "before:\n"))
                    .arg(target) +
                outcome.sent.join(QLatin1Char('\n'));
    return text;
}

bool mayGoPlain(QWidget *parent, const UploadTarget &target)
{
    const bool yes =
        MessageDlg(parent,
                   QStringLiteral("The server %1 offers no TLS: your user name, password and files "
                                  "would go over the network unencrypted.\n\nSend them anyway?")
                       .arg(target.display()),
                   MessageType::Confirmation, mbYes | mbNo) == mrYes;
    if (yes)
        plainAgreed().insert(target.host);
    return yes;
}

// Runs one transfer with its progress window.
UploadOutcome transferred(QWidget *parent, const UploadRequest &request)
{
    UploadTransfer transfer(request);
    UploadProgress progress(parent, transfer);
    QObject::connect(&transfer, &UploadTransfer::progressed, &progress,
                     &UploadProgress::showProgress);
    QObject::connect(&progress, &QProgressDialog::canceled, &transfer, &UploadTransfer::cancel);
    return transfer.exec();
}

} // namespace

void runUpload(QWidget *parent, const QList<UploadFile> &files)
{
    if (files.isEmpty())
        throw CommandError(QStringLiteral("The list holds no files to upload."));
    const SettingsFields settings = readSettings();
    QString error;
    const std::optional<UploadTarget> target = parseUploadHost(settings.Host, &error);
    if (!target)
        throw CommandError(error);
    const QString server = target->display();
    // An anonymous login has no secret to keep.
    UploadRequest request{*target, settings.Username, settings.Password, files,
                          settings.Username.isEmpty() || plainAgreed().contains(target->host)};
    UploadOutcome outcome = transferred(parent, request);
    // Asked only once the server has said it offers no TLS, before anything secret was sent.
    if (outcome.noTls && mayGoPlain(parent, *target)) {
        request.plainAllowed = true;
        outcome = transferred(parent, request);
    }
    const QString text = report(outcome, server);
    if (outcome.error.isEmpty())
        ShowInformation(parent, text);
    else
        ShowError(parent, text);
}
