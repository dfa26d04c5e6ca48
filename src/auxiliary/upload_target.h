#pragma once

#include <QString>
#include <optional>

// How the files travel: plain FTP that switches to TLS when the server offers it, FTP that
// must switch to TLS (explicit), or SSH.
enum class UploadScheme { Ftp, Ftps, Sftp };

// The server of the FTP host setting. It never holds a user name or password, so nothing
// built from it can show them.
struct UploadTarget {
    UploadScheme scheme = UploadScheme::Ftp;
    QString host;
    int port = 21;
    // Percent-encoded, starting and ending with "/": "/" is the folder one logs into for FTP,
    // the root for SSH ("/~/" is the home folder there); "/%2F..." is absolute for FTP.
    QString folder = QStringLiteral("/");

    // Where a file goes, by its path below the remote folder ('/' between sub-folders).
    QString url(const QString &remotePath) const;
    // The file's path as the SSH server's commands name it.
    QString sftpPath(const QString &remotePath) const;
    // For messages: scheme, host, port and folder.
    QString display() const;
};

// Reads the FTP host setting: a host name, "host:port" or "host/folder", or a URL with the
// scheme ftp://, ftps:// (explicit TLS) or sftp://, a port and a remote folder. When it names
// no server: nullopt, and the reason in error if given (never repeating a user name or password
// written into the setting).
std::optional<UploadTarget> parseUploadHost(const QString &setting, QString *error);
