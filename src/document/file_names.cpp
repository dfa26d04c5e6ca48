#include "document/file_names.h"

QString savedAsCaption(const QString &path)
{
    qsizetype cut = -1;
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        cut = qMax(cut, path.lastIndexOf(separator));
    QString name = path.mid(cut + 1);
    for (QChar &ch : name) {
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            ch = QChar(ch.unicode() + ('a' - 'A'));
    }
    return name;
}
