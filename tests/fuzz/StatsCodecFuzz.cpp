// Fuzz target for the stats file decoder: any bytes decode or are refused
// without a fault, and whatever decodes survives a round trip unchanged.
#include "scores/StatsCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<SStatsRecords> records = CStatsCodec::Decode(bytes);
    if (!records)
        return 0;

    // The six integers are taken as they stand.
    const QByteArray encoded = CStatsCodec::Encode(*records);
    if (encoded.left(24) != bytes.left(24))
        std::abort();
    // The written form is a fixed point: it decodes to the same records and
    // encodes to the same bytes again.
    const std::optional<SStatsRecords> again = CStatsCodec::Decode(encoded);
    if (!again || *again != *records || CStatsCodec::Encode(*again) != encoded)
        std::abort();
    // Anything appended to a decodable file is never read.
    if (CStatsCodec::Decode(encoded + bytes) != records)
        std::abort();
    return 0;
}
