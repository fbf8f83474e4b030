#pragma once

#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"

#include <QByteArray>
#include <QFile>

#include <climits>
#include <ostream>

// Records and files shared by the stats tests, the fault tests and their
// helper programs.
inline void PrintTo(const SStatsRecords& records, std::ostream* os)
{
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        *os << "[" << records.leastMoves[level] << " " << records.movesName[level].toStdString() << " / "
            << records.fastestTime[level] << " " << records.timeName[level].toStdString() << "]";
    }
}

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

// Distinct in every field, so a value stored in the wrong place shows.
inline SStatsRecords SampleRecords()
{
    SStatsRecords records;
    records.leastMoves = {31, 118, INT_MAX};
    records.fastestTime = {INT_MIN, -7, 40000};
    records.movesName = {"Ann", "", QString(300, QChar(0x0416))};
    records.timeName = {QStringLiteral("Bo \U0001F600"), QString(QChar(0xD800)) + "lone", "C\u00e9"};
    return records;
}

// The two sets stats_writer saves in turn. The second is over ten times
// larger, so a file cut short by a kill or a full disk can never pass for either.
inline SStatsRecords WriterRecords(int nWhich)
{
    SStatsRecords records;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        records.leastMoves[level] = (nWhich == 0 ? 100 : 200) + level;
        records.fastestTime[level] = (nWhich == 0 ? 300 : 400) + level;
        const QString strFirst = QStringLiteral("first %1").arg(level);
        records.movesName[level] = nWhich == 0 ? strFirst : QString(300, QChar('M' + level));
        records.timeName[level] = nWhich == 0 ? strFirst : QString(300, QChar('T' + level));
    }
    return records;
}

// What the table holds, read through its getters.
inline SStatsRecords Snapshot(const CScoreTable& table)
{
    SStatsRecords records;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        table.GetMovesRecord(level, records.leastMoves[level], records.movesName[level]);
        table.GetTimeRecord(level, records.fastestTime[level], records.timeName[level]);
    }
    return records;
}

inline void Store(CScoreTable& table, const SStatsRecords& records)
{
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        table.SetMovesRecord(level, records.leastMoves[level], records.movesName[level]);
        table.SetTimeRecord(level, records.fastestTime[level], records.timeName[level]);
    }
}

inline QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
