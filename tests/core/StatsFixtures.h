#pragma once

#include "scores/StatsCodec.h"

#include <QByteArray>

// The stats file that holds only the defaults, as bytes and as records.
inline QByteArray DefaultStatsFile()
{
    // fromHex skips the spaces, which keep the byte groups readable.
    return QByteArray::fromHex("0F270000 0F0E0000").repeated(3)
        + QByteArray::fromHex("FFFEFF09 41006E006F006E0079006D006F0075007300").repeated(6);
}

inline SStatsRecords DefaultStatsRecords()
{
    SStatsRecords records;
    records.leastMoves = {9999, 9999, 9999};
    records.fastestTime = {3599, 3599, 3599};
    records.movesName = {"Anonymous", "Anonymous", "Anonymous"};
    records.timeName = {"Anonymous", "Anonymous", "Anonymous"};
    return records;
}
