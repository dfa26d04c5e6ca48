// The settings file parser on any bytes: it never crashes, a refusal names its line, and what
// it accepts comes back with the same values once written, both as kept (the lines as read)
// and with every text and DWORD value formatted afresh.
#include "fuzz_target.h"
#include "settings/registry_file.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &written)
{
    std::fprintf(stderr, "fuzz_settings: %s\n--- written ---\n%s\n", what, written.constData());
    std::abort();
}

void expectSameValues(const RegFileDocument &expected, const QByteArray &written)
{
    const RegFileParseResult back = parseRegistryFile(written);
    if (!back.ok())
        fail(qPrintable(QStringLiteral("written text fails at line %1: %2")
                            .arg(back.errorLine)
                            .arg(back.error)),
             written);
    if (back.document.keys.size() != expected.keys.size())
        fail("a different number of keys", written);
    for (const RegFileKey &key : expected.keys) {
        for (const RegFileEntry &entry : key.entries) {
            if (entry.comment)
                continue;
            const RegistryValue *was = expected.find(key.path, entry.name);
            const RegistryValue *now = back.document.find(key.path, entry.name);
            if (bool(was) != bool(now) || (was && !(*was == *now)))
                fail(qPrintable(
                         QStringLiteral("value \"%1\" of [%2] changed").arg(entry.name, key.path)),
                     written);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RegFileParseResult parsed = parseRegistryFile(bytes);
    if (!parsed.ok()) {
        if (parsed.errorLine < 1 || parsed.error.isEmpty())
            fail("a refusal without its line", bytes);
        return -1;
    }
    expectSameValues(parsed.document, serializeRegistryFile(parsed.document));

    RegFileDocument formatted = parsed.document;
    for (const RegFileKey &key : parsed.document.keys) {
        for (const RegFileEntry &entry : key.entries) {
            const RegistryValue *value = parsed.document.find(key.path, entry.name);
            if (entry.comment || !value)
                continue;
            if (value->type == RegistryValue::Type::Dword)
                formatted.set(key.path, entry.name, value->dword);
            else if (value->type == RegistryValue::Type::String)
                formatted.set(key.path, entry.name, value->text);
        }
    }
    expectSameValues(parsed.document, serializeRegistryFile(formatted));
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    const std::string header = "Windows Registry Editor Version 5.00\r\n\r\n";
    return {
        "",
        header + "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\General]\r\n"
                 "\"AppMaxi\"=dword:00000001\r\n\"StdFont\"=\"Courier \\\"New\\\" \\\\\"\r\n"
                 "@=\"default\"\r\n; a note\r\n\"Gone\"=-\r\n",
        header + "[HKEY_CURRENT_USER\\Software\\Corvane\\\\Pagewick\\]\n"
                 "\"Note\"=hex(1):48,00,69,00,\\\n  0a,00,00,00\n\"Path\"=hex(2):25,00,00,00\n"
                 "\"Word\"=hex(4):0a,00,00,00\n\"Blob\"=hex:01,ff\n\"Multi\"=hex(7):41,00,00,00\n"
                 "[hkey_current_user\\software\\corvane\\pagewick]\n\"Author\"=\"ä€😀\"\n",
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"B\"=dword:ffffffff\n",
        std::string("\xFF\xFE"
                    "W\0i\0n\0d\0o\0w\0s\0 \0R\0e\0g\0i\0s\0t\0r\0y\0 \0E\0d\0i\0t\0"
                    "o\0r\0 \0V\0e\0r\0s\0i\0o\0n\0 \0"
                    "5\0.\0"
                    "0\0"
                    "0\0\n\0[\0K\0]\0\n\0",
                    84),
    };
}
