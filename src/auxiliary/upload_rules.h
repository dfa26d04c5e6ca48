#pragma once

#include <QChar>
#include <QString>

// A file's path in the upload list: the folder as the folder list gives it, one separator, the
// file's name. A folder that already ends in the separator (a drive's root) gets no second one.
QString uploadPath(const QString &folder, const QString &file, QChar separator);
