#include "auxiliary/upload_rules.h"

QString uploadPath(const QString &folder, const QString &file, QChar separator)
{
    if (folder.endsWith(separator))
        return folder + file;
    return folder + separator + file;
}
