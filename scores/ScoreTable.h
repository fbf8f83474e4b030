#pragma once

#include <QString>

struct SStatsRecords;

// The best moves and time for each grid size, with the holders' names. Read
// from the stats file when built; written back by SaveStats, which the owner
// calls whenever a record changes, and when destroyed.
class CScoreTable
{
public:
    static constexpr int kLevels = 3;
    static constexpr int kDefaultMoves = 9999;
    static constexpr int kDefaultTime = 3599;
    // The largest stats file read: six names of 87,000 characters each. A
    // larger file is not a table of ours and loads as the defaults.
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    static QString DefaultName();
    // Stats.bin in the application's data folder.
    static QString DefaultPath();

    explicit CScoreTable(const QString& strPath = DefaultPath());
    virtual ~CScoreTable();
    CScoreTable(const CScoreTable&) = delete;
    CScoreTable& operator=(const CScoreTable&) = delete;

    void LoadStats();
    void SaveStats() const;
    void SetDefaults();

    bool GetMovesRecord(int nLevel, int& nMoves, QString& strName) const;
    bool GetTimeRecord(int nLevel, int& nSeconds, QString& strName) const;
    void SetMovesRecord(int nLevel, int nMoves, const QString& strName);
    void SetTimeRecord(int nLevel, int nSeconds, const QString& strName);

    int m_nLeastMoves[kLevels];
    int m_nFastestTime[kLevels];
    QString m_strMovesName[kLevels];
    QString m_strTimeName[kLevels];

private:
    static bool IsLevel(int nLevel) { return nLevel >= 0 && nLevel < kLevels; }
    SStatsRecords ToRecords() const;
    // Whether the stats file holds these bytes and nothing more.
    bool HoldsExactly(const QByteArray& bytes) const;

    QString m_strPath;
};
