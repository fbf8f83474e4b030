#pragma once

#include "scores/RecordSetters.h"
#include "scores/StatsCodec.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

class CStatsFile;

// Which records of its level a finished game beats.
struct SRecordsBeaten
{
    bool bMoves = false;
    bool bTime = false;
    bool Any() const { return bMoves || bTime; }
};

// The best moves and time for each grid size, with the holders' names, as
// they stand in the stats file. Any number of Slydra windows may share the
// file: each change is applied to the records on disk and written back at
// once under the file's lock, so no window ever writes another's records
// over with an old copy. A change that cannot be written is kept, shown as
// made, and written with the next change or when the table is destroyed.
class CScoreTable
{
    Q_DECLARE_TR_FUNCTIONS(CScoreTable)

public:
    static constexpr int kLevels = SStatsRecords::kLevels;
    static constexpr int kDefaultMoves = 9999;
    static constexpr int kDefaultTime = 3599;
    // The holder of a record no one has named: always these bytes in the file.
    static QString DefaultName();
    // A holder as the player reads it: the default holder in the player's language.
    static QString ShownName(const QString& strStored);
    // What the player left in a name box, as stored: the default holder shown
    // in the player's language stores as the default holder.
    static QString StoredName(const QString& strShown);
    // "3x3", "4x4" or "5x5": the grid size whose records stand at nLevel.
    static QString LevelName(int nLevel);
    // Stats.bin in the application's data folder.
    static QString DefaultPath();

    explicit CScoreTable(const QString& strPath = DefaultPath());
    ~CScoreTable();
    CScoreTable(const CScoreTable&) = delete;
    CScoreTable& operator=(const CScoreTable&) = delete;

    // Reads the records on disk; changes not yet written stay on top of them.
    void LoadStats();
    // Writes the changes not yet written over the records on disk; a missing
    // or malformed file is written whole. False when the changes stay
    // unwritten (TakeUntoldFailure says why).
    bool SaveStats();
    void SetDefaults();

    bool GetMovesRecord(int nLevel, int& nMoves, QString& strName) const;
    bool GetTimeRecord(int nLevel, int& nSeconds, QString& strName) const;
    void SetMovesRecord(int nLevel, int nMoves, const QString& strName);
    void SetTimeRecord(int nLevel, int nSeconds, const QString& strName);

    // The game's rule: which records a result beats, given the level's least
    // moves and fastest time.
    using RecordRule = std::function<SRecordsBeaten(int nMoves, int nSeconds, int nLeastMoves, int nFastestTime)>;

    // A won game against the records on disk: each record it beats is saved
    // at once, held by "Anonymous" and marked as this game's.
    SRecordsBeaten OfferResult(int nLevel, int nMoves, int nSeconds, const RecordRule& beats);
    // Gives the records the last OfferResult set to strName, where they are
    // still that game's: a record beaten, reset or set anew meanwhile, by
    // any game, stays as it is.
    bool NameRecords(const QString& strName);

    // The message for the player about the last save, when it failed and
    // nobody has been told yet; empty otherwise.
    QString TakeUntoldFailure();

private:
    using Change = std::function<void(SStatsRecords&, SRecordSetters&)>;
    struct SOffer
    {
        QByteArray game;
        int nLevel = -1;
        int nMoves{};
        int nSeconds{};
        bool bMoves{};
        bool bTime{};
    };

    static bool IsLevel(int nLevel) { return nLevel >= 0 && nLevel < kLevels; }
    static SStatsRecords Defaults();
    // Makes the change in memory now, and on disk at the next save.
    void Apply(Change change);
    bool Commit(Change change);
    // Reads the file and puts the changes not yet written on top; whether the
    // file must be written.
    bool NeedsWrite(CStatsFile& file);
    bool Saved();
    bool Failed(const QString& strReason);

    QString m_strPath;
    SStatsRecords m_records;
    SRecordSetters m_setters;
    std::vector<Change> m_pending;
    SOffer m_offer;
    QString m_strReason;
    bool m_bUntold = false;
};
