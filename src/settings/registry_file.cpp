#include "settings/registry_file.h"

#include "core/quoting.h"

namespace {

constexpr int kHexLineWidth = 76;

bool fitsOnOneLine(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || u == 0x7F || u == 0x85 || u == 0x2028 || u == 0x2029 ||
            c.isSurrogate())
            return false;
    }
    return true;
}

QString hexText(const QString &prefix, const QString &text)
{
    QString result = prefix;
    qsizetype lineStart = 0;
    const auto appendByte = [&](uint byte, bool last) {
        if (result.size() - lineStart + 3 > kHexLineWidth) {
            result += QLatin1String("\\\n  ");
            lineStart = result.size() - 2;
        }
        result += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
        if (!last)
            result += QLatin1Char(',');
    };
    const qsizetype units = text.size() + 1; // with the terminating NUL
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t u = i < text.size() ? text.at(i).unicode() : 0;
        appendByte(u & 0xFF, false);
        appendByte(u >> 8, i == units - 1);
    }
    return result;
}

QString formatEntry(const RegFileEntry &entry)
{
    const QString name =
        (entry.name.isEmpty() ? QStringLiteral("@") : backslashQuoted(entry.name)) +
        QLatin1Char('=');
    if (entry.value.type == RegistryValue::Type::Dword)
        return name + QStringLiteral("dword:%1").arg(entry.value.dword, 8, 16, QLatin1Char('0'));
    if (fitsOnOneLine(entry.value.text))
        return name + backslashQuoted(entry.value.text);
    return hexText(name + QLatin1String("hex(1):"), entry.value.text);
}

QString keyIndexName(const QString &keyPath)
{
    return normalizedKeyPath(keyPath).toCaseFolded();
}

// One body for the const and non-const lookups.
template <typename Container, typename Item>
Item *lookup(const QHash<QString, qsizetype> &index, Container &items, const QString &folded)
{
    const auto found = index.constFind(folded);
    return found == index.cend() ? nullptr : &items[*found];
}

} // namespace

// A key's few entries are searched in place; from this many on, through its index.
constexpr qsizetype kIndexedEntries = 8;

template <typename Key> auto *entryIn(Key &key, const QString &name)
{
    using Entry = std::remove_reference_t<decltype(key.entries.first())>;
    if (!key.index.isEmpty())
        return lookup<std::remove_reference_t<decltype((key.entries))>, Entry>(
            key.index, key.entries, name.toCaseFolded());
    for (Entry &candidate : key.entries) {
        if (!candidate.comment && candidate.name.compare(name, Qt::CaseInsensitive) == 0)
            return &candidate;
    }
    return static_cast<Entry *>(nullptr);
}

RegFileEntry *RegFileKey::entry(const QString &name)
{
    return entryIn(*this, name);
}

const RegFileEntry *RegFileKey::entry(const QString &name) const
{
    return entryIn(*this, name);
}

void RegFileKey::put(const RegFileEntry &added)
{
    if (!added.comment) {
        if (RegFileEntry *existing = entry(added.name)) {
            *existing = added;
            return;
        }
        if (index.isEmpty() && entries.size() >= kIndexedEntries) {
            for (qsizetype i = 0; i < entries.size(); ++i) {
                if (!entries.at(i).comment)
                    index.insert(entries.at(i).name.toCaseFolded(), i);
            }
        }
        if (entries.size() >= kIndexedEntries)
            index.insert(added.name.toCaseFolded(), entries.size());
    }
    entries.append(added);
}

RegFileKey *RegFileDocument::key(const QString &keyPath)
{
    return lookup<QList<RegFileKey>, RegFileKey>(index, keys, keyIndexName(keyPath));
}

const RegFileKey *RegFileDocument::key(const QString &keyPath) const
{
    return lookup<const QList<RegFileKey>, const RegFileKey>(index, keys, keyIndexName(keyPath));
}

RegFileKey &RegFileDocument::ensureKey(const QString &keyPath)
{
    if (RegFileKey *existing = key(keyPath))
        return *existing;
    index.insert(keyIndexName(keyPath), keys.size());
    keys.append(RegFileKey{keyPath, {}, {}});
    return keys.last();
}

const RegistryValue *RegFileDocument::find(const QString &keyPath, const QString &name) const
{
    const RegFileKey *found = key(keyPath);
    const RegFileEntry *entry = found ? found->entry(name) : nullptr;
    return entry && !entry->removed ? &entry->value : nullptr;
}

void RegFileDocument::set(const QString &keyPath, const QString &name, const RegistryData &data)
{
    RegistryValue value;
    if (const quint32 *dword = std::get_if<quint32>(&data)) {
        value.type = RegistryValue::Type::Dword;
        value.dword = *dword;
    } else {
        value.type = RegistryValue::Type::String;
        value.text = std::get<QString>(data);
    }
    RegFileKey &target = ensureKey(normalizedKeyPath(keyPath));
    if (RegFileEntry *entry = target.entry(name)) {
        // The name keeps the spelling it has in the file.
        entry->value = value;
        entry->verbatim.clear();
        entry->removed = false;
    } else {
        target.put(RegFileEntry{false, name, value, {}});
    }
}

QByteArray serializeRegistryFile(const RegFileDocument &document)
{
    QStringList lines{QString::fromLatin1(kRegistryFileHeader), QString()};
    if (!document.preamble.isEmpty())
        lines << document.preamble << QString();
    for (const RegFileKey &key : document.keys) {
        lines.append(QLatin1Char('[') + key.path + QLatin1Char(']'));
        for (const RegFileEntry &entry : key.entries)
            lines.append(entry.verbatim.isEmpty() ? formatEntry(entry) : entry.verbatim);
        lines.append(QString());
    }
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

bool isStorableRegistryName(const QString &name)
{
    return fitsOnOneLine(name);
}
