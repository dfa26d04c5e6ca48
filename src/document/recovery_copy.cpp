#include "document/recovery_copy.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>

#include <array>

namespace {

const QByteArray Magic = "Pagewick recovery copy 1";
const auto Hash = QCryptographicHash::Sha256;

struct Named {
    const char *name;
    TextEncoding encoding;
};
const std::array<Named, 2> Encodings{
    {{"utf-8", TextEncoding::Utf8}, {"windows-1252", TextEncoding::Windows1252}}};

struct NamedBreak {
    const char *name;
    LineBreak lineBreak;
};
const std::array<NamedBreak, 3> Breaks{
    {{"crlf", LineBreak::CRLF}, {"lf", LineBreak::LF}, {"cr", LineBreak::CR}}};

template <typename Table, typename Value> QByteArray nameOf(const Table &table, Value value)
{
    for (const auto &[name, known] : table) {
        if (known == value)
            return name;
    }
    return {};
}

template <typename Table, typename Value>
bool valueOf(const Table &table, const QByteArray &name, Value &value)
{
    for (const auto &[known, entry] : table) {
        if (name == known) {
            value = entry;
            return true;
        }
    }
    return false;
}

bool number(const QByteArray &text, qint64 &value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

// Reads the header fields into copy; returns the first one missing or unreadable.
QByteArray readHeader(const QHash<QByteArray, QByteArray> &fields, RecoveryCopy &copy,
                      qint64 &length, QByteArray &digest)
{
    const auto field = [&](const char *name, QByteArray &value) {
        value = fields.value(name);
        return fields.contains(name);
    };
    QByteArray value;
    if (!field("file", value))
        return "file";
    copy.fileName = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
    if (!field("encoding", value) || !valueOf(Encodings, value, copy.format.encoding))
        return "encoding";
    if (!field("bom", value) || (value != "0" && value != "1"))
        return "bom";
    copy.format.bom = value == "1";
    if (!field("breaks", value) || !valueOf(Breaks, value, copy.format.lineBreak))
        return "breaks";
    if (!field("written", value))
        return "written";
    copy.written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
    if (!copy.written.isValid())
        return "written";
    const QList<QByteArray> disk = fields.value("disk").split(' ');
    if (disk.size() != 2 || !number(disk[0], copy.disk.modifiedMs) ||
        !number(disk[1], copy.disk.size))
        return "disk";
    if (!field("length", value) || !number(value, length) || length < 0)
        return "length";
    if (!field("sha256", value) || value.size() != 64)
        return "sha256";
    digest = QByteArray::fromHex(value);
    return {};
}

} // namespace

FileStamp fileStamp(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.lastModified().toMSecsSinceEpoch(), info.size()};
}

QByteArray encodeRecoveryCopy(const RecoveryCopy &copy)
{
    const QByteArray text = copy.text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size() + 512);
    bytes += Magic + '\n';
    bytes += "file=" + copy.fileName.toUtf8().toPercentEncoding() + '\n';
    bytes += "encoding=" + nameOf(Encodings, copy.format.encoding) + '\n';
    bytes += QByteArray("bom=") + (copy.format.bom ? "1" : "0") + '\n';
    bytes += "breaks=" + nameOf(Breaks, copy.format.lineBreak) + '\n';
    bytes += "written=" + copy.written.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += "disk=" + QByteArray::number(copy.disk.modifiedMs) + ' ' +
             QByteArray::number(copy.disk.size) + '\n';
    bytes += "length=" + QByteArray::number(text.size()) + '\n';
    bytes += "sha256=" + QCryptographicHash::hash(text, Hash).toHex() + '\n';
    bytes += '\n';
    bytes += text;
    return bytes;
}

RecoveryRead decodeRecoveryCopy(const QByteArray &bytes)
{
    RecoveryRead read;
    const qsizetype end = bytes.indexOf("\n\n");
    if (!bytes.startsWith(Magic + '\n') || end < 0) {
        read.damage = QStringLiteral("not a recovery copy, or its header is cut short");
        return read;
    }
    QHash<QByteArray, QByteArray> fields;
    for (const QByteArray &line : bytes.left(end).split('\n').mid(1)) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            fields.insert(line.left(equals), line.mid(equals + 1));
    }
    qint64 length = 0;
    QByteArray digest;
    const QByteArray bad = readHeader(fields, read.copy, length, digest);
    if (!bad.isEmpty()) {
        read.damage = QStringLiteral("the header's \"%1\" is missing or unreadable")
                          .arg(QString::fromLatin1(bad));
        return read;
    }
    const QByteArray text = bytes.mid(end + 2);
    read.copy.text = QString::fromUtf8(text);
    read.hasText = true;
    if (text.size() != length) {
        read.damage = QStringLiteral("the text holds %1 of %2 bytes").arg(text.size()).arg(length);
    } else if (QCryptographicHash::hash(text, Hash) != digest) {
        read.damage = QStringLiteral("the text does not match its checksum");
    }
    return read;
}
