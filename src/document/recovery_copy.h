#pragma once

#include "document/document_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A recovery copy: what an unsaved document needs to come back after the program died.

// A file's modification time and size, to tell later whether someone changed it.
struct FileStamp {
    qint64 modifiedMs = -1; // -1: no such file
    qint64 size = -1;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
FileStamp fileStamp(const QString &path);

struct RecoveryCopy {
    QString fileName;  // empty while the document is untitled
    FileFormat format; // encoding, BOM and line break it is saved with
    QDateTime written; // when the text was taken, UTC
    FileStamp disk;    // the file as the document last loaded or saved it
    QString text;      // '\n' between lines

    friend bool operator==(const RecoveryCopy &, const RecoveryCopy &) = default;
};

QByteArray encodeRecoveryCopy(const RecoveryCopy &copy);

struct RecoveryRead {
    RecoveryCopy copy;
    QString damage;       // empty when the copy is whole
    bool hasText = false; // the header was read; the text may still be cut short
};
// Never fails on any input: what cannot be read is reported in damage.
RecoveryRead decodeRecoveryCopy(const QByteArray &bytes);
