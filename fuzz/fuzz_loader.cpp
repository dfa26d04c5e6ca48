// Every input the file loader accepts must come back byte for byte through load and save,
// unless the notice shown on opening says what saving changes. Only NUL bytes may make it
// refuse an input, and the text must not depend on where the reads split it.
#include "document/document_file.h"
#include "fuzz_target.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

QString loadedText(QByteArray bytes, qsizetype chunkBytes, LoadResult &loaded)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QString text;
    loaded = loadText(
        device, QStringLiteral("fuzz.htm"), [&text](QStringView piece) { text += piece; },
        chunkBytes);
    return text;
}

// The lines as the editor holds them: these characters end a block, as a line break does.
QStringList editorLines(QString text)
{
    for (const char16_t breakLike : {u'\u2029', u'\uFDD0', u'\uFDD1'})
        text.replace(QChar(breakLike), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Small reads, so characters and line breaks straddle their boundaries.
    const qsizetype chunkBytes = size ? 1 + data[0] % 7 : 1;
    LoadResult loaded;
    const QString text = loadedText(bytes, chunkBytes, loaded);
    if (!loaded.ok) {
        if (!bytes.contains('\0'))
            std::abort();
        return 0;
    }
    LoadResult whole;
    if (loadedText(bytes, bytes.size() + 1, whole) != text || !(whole.format == loaded.format))
        std::abort();

    StringListLineSource lines(editorLines(text));
    bool switchedToUtf8 = false;
    const QByteArray saved = encodeText(loaded.format, lines, &switchedToUtf8);
    if (switchedToUtf8)
        std::abort(); // text read in an encoding always fits it again
    if (saved != bytes && savingChangesNotice(QStringLiteral("fuzz.htm"), loaded.format).isEmpty())
        std::abort();
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    return {
        "",
        "<HTML>\r\n<BODY>caf\xC3\xA9 \xE2\x80\x94</BODY>\r\n</HTML>\r\n",
        "\xEF\xBB\xBF<P>\xE2\x80\xA8 \xE2\x80\xA9 \xEF\xB7\x90</P>\n",
        "\xEF\xBB\xBF<P>\x80\x9F\xFF</P>\r",
        "<P>caf\xE9 \x81\x8D\x96</P>\r\nmixed\nbreaks\r",
    };
}
