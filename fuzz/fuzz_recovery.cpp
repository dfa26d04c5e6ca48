// Reading a recovery copy never fails on any input and never calls a damaged copy whole; a copy
// that reads as whole is written back to the same bytes.
#include "document/recovery_copy.h"
#include "fuzz_target.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RecoveryRead read = decodeRecoveryCopy(bytes);
    if (!read.hasText && read.damage.isEmpty())
        std::abort();
    if (read.damage.isEmpty()) {
        const RecoveryRead again = decodeRecoveryCopy(encodeRecoveryCopy(read.copy));
        if (!again.damage.isEmpty() || !(again.copy == read.copy))
            std::abort();
    }
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    const RecoveryCopy copies[] = {
        {{}, {}, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC), {}, QStringLiteral("a\nb")},
        {QStringLiteral("/web/caf\u00E9.htm"),
         {TextEncoding::Windows1252, true, LineBreak::CR},
         QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, Qt::UTC),
         {12, 34},
         QStringLiteral("\u00A0\u2028")},
    };
    std::vector<std::string> seeds{"", "Pagewick recovery copy 1\n\n"};
    for (const RecoveryCopy &copy : copies)
        seeds.push_back(encodeRecoveryCopy(copy).toStdString());
    return seeds;
}
