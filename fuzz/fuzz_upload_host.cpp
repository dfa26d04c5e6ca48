// The FTP host setting on any text: it never crashes, a refusal always says why, and a server
// it accepts yields URLs that carry no user name or password and stay on that server.
#include "auxiliary/upload_target.h"
#include "fuzz_target.h"

#include <QUrl>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString setting =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<UploadTarget> target = parseUploadHost(setting, &error);
    if (!target) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    const QUrl url(target->url(QStringLiteral("sub/page.htm")));
    if (!url.isValid() || !url.userInfo().isEmpty() || url.host() != target->host ||
        !target->folder.startsWith(QLatin1Char('/')) || !target->folder.endsWith(QLatin1Char('/')))
        std::abort();
    target->display();
    target->sftpPath(QStringLiteral("page.htm"));
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    return {"example.com",    "example.com:2121/www", "ftp://example.com/", "ftps://[::1]:990/a",
            "sftp://h/~/www", "user:pw@host",         "http://host",        " host/%2Fvar/www "};
}
