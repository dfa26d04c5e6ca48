#include "core/private_files.h"

#include <QSaveFile>

bool writePrivateFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) &&
                    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                    file.write(bytes) == bytes.size() &&
                    // commit() alone can miss a full disk that only the flush meets.
                    file.flush() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
