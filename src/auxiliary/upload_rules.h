#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// A file's path in the upload list: the folder as the folder list gives it, one separator, the
// file's name. A folder that already ends in the separator (a drive's root) gets no second one.
QString uploadPath(const QString &folder, const QString &file, QChar separator);

// Where a listed file goes below the remote folder: its path relative to the list's base folder
// when it lies inside it, else its bare name. Local paths with '/' separators.
QString remotePath(const QString &localFile, const QString &baseFolder);

// The name a file is written under until it is complete and checked: beside it, hidden, ours.
QString partPath(const QString &remotePath);

// Whether an FTP reply line (without its line break) ends a reply: three digits, then a blank
// or nothing. "230-" opens a reply of several lines, whose inner lines may be anything.
bool endsFtpReply(const QByteArray &line);
