#include "auxiliary/upload_rules.h"

#include <algorithm>

QString uploadPath(const QString &folder, const QString &file, QChar separator)
{
    if (folder.endsWith(separator))
        return folder + file;
    return folder + separator + file;
}

QString remotePath(const QString &localFile, const QString &baseFolder)
{
    const QString base =
        baseFolder.endsWith(QLatin1Char('/')) ? baseFolder : baseFolder + QLatin1Char('/');
    if (!baseFolder.isEmpty() && localFile.startsWith(base))
        return localFile.mid(base.size());
    return localFile.mid(localFile.lastIndexOf(QLatin1Char('/')) + 1);
}

QString partPath(const QString &remotePath)
{
    const qsizetype name = remotePath.lastIndexOf(QLatin1Char('/')) + 1;
    return remotePath.left(name) + QLatin1Char('.') + remotePath.mid(name) +
           QStringLiteral(".pagewick-part");
}

bool endsFtpReply(const QByteArray &line)
{
    if (line.size() < 3 || (line.size() > 3 && line.at(3) != ' '))
        return false;
    return std::all_of(line.begin(), line.begin() + 3, [](char c) { return c >= '0' && c <= '9'; });
}
