#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The score records as one value, with the byte form of the stats file:
// six 32-bit integers, then six names in the archive's string encoding.
struct SStatsRecords
{
    static constexpr int kLevels = 3;

    std::array<int, kLevels> leastMoves{};
    std::array<int, kLevels> fastestTime{};
    std::array<QString, kLevels> movesName;
    std::array<QString, kLevels> timeName;

    bool operator==(const SStatsRecords&) const = default;
};

class CStatsCodec
{
public:
    static QByteArray Encode(const SStatsRecords& records);
    // Empty when the bytes end early or a length runs past their end; bytes
    // after the sixth name are never read.
    static std::optional<SStatsRecords> Decode(const QByteArray& bytes);

    // One name alone, marker and length prefix included.
    static QByteArray EncodeName(const QString& strName);
};
