// Fuzz target for the stats file decoder: any bytes decode or are refused
// without a fault, and whatever decodes survives a round trip unchanged.
#include "scores/StatsCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<SStatsRecords> records = CStatsCodec::Decode(bytes);
    if (!records)
        return 0;
    // The six integers are taken as they stand; the written form decodes to
    // the same records, and anything after a whole table is never read.
    const QByteArray encoded = CStatsCodec::Encode(*records);
    if (encoded.left(24) != bytes.left(24) || CStatsCodec::Decode(encoded) != records
        || CStatsCodec::Decode(encoded + bytes) != records)
        std::abort();
    return 0;
}
