#include "auxiliary/upload_target.h"

#include <QStringList>
#include <QUrl>

namespace {

QString encodedPath(const QString &remotePath)
{
    QStringList segments;
    for (const QString &segment : remotePath.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        segments.append(QString::fromLatin1(QUrl::toPercentEncoding(segment)));
    return segments.join(QLatin1Char('/'));
}

std::optional<UploadTarget> refuse(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return std::nullopt;
}

} // namespace

QString UploadTarget::url(const QString &remotePath) const
{
    QUrl url;
    // Explicit TLS is plain FTP that upgrades: curl's own ftps:// would be implicit TLS.
    url.setScheme(scheme == UploadScheme::Sftp ? QStringLiteral("sftp") : QStringLiteral("ftp"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(folder + encodedPath(remotePath), QUrl::TolerantMode);
    return url.toString(QUrl::FullyEncoded);
}

QString UploadTarget::sftpPath(const QString &remotePath) const
{
    const QString path = QUrl::fromPercentEncoding(folder.toLatin1()) + remotePath;
    // Relative paths start in the home folder.
    if (path.startsWith(QLatin1String("/~/")))
        return path.mid(3);
    return path;
}

QString UploadTarget::display() const
{
    const QString url = this->url({});
    return scheme == UploadScheme::Ftps ? QStringLiteral("ftps") + url.mid(3) : url;
}

std::optional<UploadTarget> parseUploadHost(const QString &setting, QString *error)
{
    const QString text = setting.trimmed();
    if (text.isEmpty())
        return refuse(error, QStringLiteral("No FTP host is set. Enter the server under "
                                            "Preferences, FTP, Host."));
    const bool hasScheme = text.contains(QLatin1String("://"));
    const QUrl url(hasScheme ? text : QStringLiteral("ftp://") + text);
    const QString scheme = url.scheme();
    UploadTarget target;
    if (scheme == QLatin1String("ftps"))
        target.scheme = UploadScheme::Ftps;
    else if (scheme == QLatin1String("sftp")) {
        target.scheme = UploadScheme::Sftp;
        target.port = 22;
    } else if (scheme != QLatin1String("ftp"))
        return refuse(error, QStringLiteral("The FTP host must be a server name or start with "
                                            "ftp://, ftps:// or sftp://, not \"%1://\".")
                                 .arg(text.left(text.indexOf(QLatin1String("://")))));
    if (!url.userInfo().isEmpty())
        return refuse(error, QStringLiteral("The FTP host holds a user name: enter it and the "
                                            "password under Preferences, FTP instead."));
    if (!url.isValid() || url.host().isEmpty())
        return refuse(error, QStringLiteral("The FTP host is not a valid server name, port and "
                                            "folder."));
    target.host = url.host();
    target.port = url.port(target.port);
    target.folder = url.path(QUrl::FullyEncoded);
    if (!target.folder.startsWith(QLatin1Char('/')))
        target.folder.prepend(QLatin1Char('/'));
    if (!target.folder.endsWith(QLatin1Char('/')))
        target.folder.append(QLatin1Char('/'));
    return target;
}
