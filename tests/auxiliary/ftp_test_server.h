#pragma once

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

// The throw-away server of ftp_server.py (user "ann", password "pw") on a free loopback port,
// serving a temporary folder; ended with the object. The Debian interpreter sees pyftpdlib.
class FtpTestServer {
public:
    explicit FtpTestServer(const QStringList &options = {})
    {
        m_process.start("/usr/bin/python3",
                        QStringList{PAGEWICK_FTP_SERVER, m_root.path()} + options);
        if (m_process.waitForReadyRead(10000))
            m_port = m_process.readLine().trimmed().toInt();
    }
    ~FtpTestServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished();
    }

    // False when /usr/bin/python3 lacks pyftpdlib: the caller skips.
    static bool available()
    {
        return QProcess::execute("/usr/bin/python3", {"-c", "import pyftpdlib"}) == 0;
    }
    QString address() const { return "127.0.0.1:" + QString::number(m_port); }
    // Every file the server holds (hidden ones too) by its path, with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> files;
        for (QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            files.insert(it.filePath().mid(m_root.path().size() + 1), file.readAll());
        }
        return files;
    }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
