#pragma once

#include "settings/corvane_registry.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

inline constexpr char kRegistryFileHeader[] = "Windows Registry Editor Version 5.00";

// The registry export text format as a value: parse bytes into a document, change values,
// serialize it back. Entries read from a file keep their exact text, so whatever the
// program does not know survives a rewrite.

struct RegFileEntry {
    bool comment = false; // a ";" line, kept where it was
    QString name;         // empty for the default value "@"
    RegistryValue value;
    QString verbatim;     // the text as read (continuation lines joined by '\n'); empty once set
    bool removed = false; // a "name"=- line: kept, but the value counts as absent
};

// Entries and keys are added only through put() and ensureKey(), which keep the indexes that
// make every lookup independent of the file's size.
struct RegFileKey {
    QString path; // full path with the root name, as written
    QList<RegFileEntry> entries;
    QHash<QString, qsizetype> index; // case-folded value name -> position, once there are many

    // A value (not a comment) by its case-insensitive name.
    RegFileEntry *entry(const QString &name);
    const RegFileEntry *entry(const QString &name) const;
    // Replaces the value of the same name, or appends entry (comments always append).
    void put(const RegFileEntry &entry);
};

struct RegFileDocument {
    QStringList preamble; // comments before the first key
    QList<RegFileKey> keys;
    QHash<QString, qsizetype> index; // case-folded normalized path -> position in keys

    // Key paths include the root name and compare case-insensitively, ignoring stray
    // backslashes.
    RegFileKey *key(const QString &keyPath);
    const RegFileKey *key(const QString &keyPath) const;
    RegFileKey &ensureKey(const QString &keyPath);
    const RegistryValue *find(const QString &keyPath, const QString &name) const;
    void set(const QString &keyPath, const QString &name, const RegistryData &data);
};

struct RegFileParseResult {
    RegFileDocument document;
    int errorLine = 0; // 1-based; 0 when the text parsed
    QString error;

    bool ok() const { return errorLine == 0; }
};

RegFileParseResult parseRegistryFile(const QByteArray &bytes);
QByteArray serializeRegistryFile(const RegFileDocument &document);

// Whether a key path or value name can be written into a file line at all.
bool isStorableRegistryName(const QString &name);
