#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path whole or not at all (a temporary file renamed into place), readable and
// writable by the owner only, whatever mode the file had: the settings hold the FTP password,
// recovery copies the user's text. On failure the system's reason goes to error, if given.
bool writePrivateFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);
