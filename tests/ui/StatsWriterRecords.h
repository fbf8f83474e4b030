#pragma once

#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"

// The two record sets that stats_writer saves in turn, and what each looks
// like on disk. The second is over ten times larger, so a file cut short by a
// kill or a full disk can never pass for either.
namespace StatsWriterRecords {

inline SStatsRecords Set(int nWhich)
{
    SStatsRecords records;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        records.leastMoves[level] = nWhich == 0 ? 100 + level : 200 + level;
        records.fastestTime[level] = nWhich == 0 ? 300 + level : 400 + level;
        records.movesName[level] = nWhich == 0 ? QStringLiteral("first %1").arg(level) : QString(300, QChar('M' + level));
        records.timeName[level] = nWhich == 0 ? QStringLiteral("first %1").arg(level) : QString(300, QChar('T' + level));
    }
    return records;
}

inline QByteArray Bytes(int nWhich)
{
    return CStatsCodec::Encode(Set(nWhich));
}

inline void Put(CScoreTable& table, const SStatsRecords& records)
{
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        table.SetMovesRecord(level, records.leastMoves[level], records.movesName[level]);
        table.SetTimeRecord(level, records.fastestTime[level], records.timeName[level]);
    }
}

} // namespace StatsWriterRecords
