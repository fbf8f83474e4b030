#include "scores/ScoreTable.h"

#include "scores/StatsFile.h"

#include <QDir>
#include <QStandardPaths>

#include <memory>

QString CScoreTable::DefaultName()
{
    return QStringLiteral("Anonymous");
}

QString CScoreTable::ShownName(const QString& strStored)
{
    return strStored == DefaultName() ? tr("Anonymous") : strStored;
}

QString CScoreTable::StoredName(const QString& strShown)
{
    return strShown == ShownName(DefaultName()) ? DefaultName() : strShown;
}

QString CScoreTable::LevelName(int nLevel)
{
    //: A grid size: 3x3, 4x4 or 5x5.
    return tr("%1x%1").arg(nLevel + 3);
}

QString CScoreTable::DefaultPath()
{
    const QString strFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (strFolder.isEmpty())
        return QString();
    return QDir(strFolder).filePath(QStringLiteral("Stats.bin"));
}

CScoreTable::CScoreTable(const QString& strPath)
    : m_strPath(strPath)
{
    LoadStats();
}

CScoreTable::~CScoreTable()
{
    if (!SaveStats())
        qWarning("Slydra: the records could not be saved to %s: %s", qUtf8Printable(m_strPath),
                 qUtf8Printable(m_strReason));
}

SStatsRecords CScoreTable::Defaults()
{
    SStatsRecords records;
    records.leastMoves.fill(kDefaultMoves);
    records.fastestTime.fill(kDefaultTime);
    records.movesName.fill(DefaultName());
    records.timeName.fill(DefaultName());
    return records;
}

void CScoreTable::LoadStats()
{
    CStatsFile file(m_strPath);
    NeedsWrite(file);
}

bool CScoreTable::NeedsWrite(CStatsFile& file)
{
    file.Read();
    m_records = file.Records().value_or(Defaults());
    m_setters = file.Setters();
    for (const Change& change : m_pending)
        change(m_records, m_setters);
    if (file.State() == CStatsFile::EState::Unreadable)
        return !m_pending.empty();
    return file.State() != CStatsFile::EState::Good || file.Bytes() != CStatsCodec::Encode(m_records)
           || file.Setters() != m_setters;
}

bool CScoreTable::SaveStats()
{
    CStatsFile file(m_strPath);
    // Most saves find the file holding the table already, and stop here.
    if (!NeedsWrite(file))
        return Saved();
    // Read again under the lock: another window may have written meanwhile.
    if (file.Lock() && (!NeedsWrite(file) || file.Write(CStatsCodec::Encode(m_records), m_setters)))
        return Saved();
    return Failed(file.Error());
}

bool CScoreTable::Saved()
{
    m_pending.clear();
    m_bUntold = false;
    return true;
}

bool CScoreTable::Failed(const QString& strReason)
{
    m_strReason = strReason;
    m_bUntold = true;
    return false;
}

QString CScoreTable::TakeUntoldFailure()
{
    if (!m_bUntold)
        return QString();
    m_bUntold = false;
    //: %1 is the file, %2 why it could not be written.
    return tr("The records could not be saved to %1: %2. Slydra will try again when a record changes and when it "
              "closes.")
        .arg(QDir::toNativeSeparators(m_strPath), m_strReason);
}

void CScoreTable::Apply(Change change)
{
    change(m_records, m_setters);
    m_pending.push_back(std::move(change));
}

bool CScoreTable::Commit(Change change)
{
    m_pending.push_back(std::move(change));
    return SaveStats();
}

void CScoreTable::SetDefaults()
{
    // Nothing made before a reset outlives it.
    m_pending.clear();
    Apply([](SStatsRecords& records, SRecordSetters& setters) {
        records = Defaults();
        setters = SRecordSetters();
    });
}

bool CScoreTable::GetMovesRecord(int nLevel, int& nMoves, QString& strName) const
{
    if (!IsLevel(nLevel))
        return false;
    nMoves = m_records.leastMoves[nLevel];
    strName = m_records.movesName[nLevel];
    return true;
}

bool CScoreTable::GetTimeRecord(int nLevel, int& nSeconds, QString& strName) const
{
    if (!IsLevel(nLevel))
        return false;
    nSeconds = m_records.fastestTime[nLevel];
    strName = m_records.timeName[nLevel];
    return true;
}

void CScoreTable::SetMovesRecord(int nLevel, int nMoves, const QString& strName)
{
    if (!IsLevel(nLevel))
        return;
    Apply([=](SStatsRecords& records, SRecordSetters& setters) {
        records.leastMoves[nLevel] = nMoves;
        records.movesName[nLevel] = strName;
        setters.games[SRecordSetters::MovesSlot(nLevel)].clear();
    });
}

void CScoreTable::SetTimeRecord(int nLevel, int nSeconds, const QString& strName)
{
    if (!IsLevel(nLevel))
        return;
    Apply([=](SStatsRecords& records, SRecordSetters& setters) {
        records.fastestTime[nLevel] = nSeconds;
        records.timeName[nLevel] = strName;
        setters.games[SRecordSetters::TimeSlot(nLevel)].clear();
    });
}

SRecordsBeaten CScoreTable::OfferResult(int nLevel, int nMoves, int nSeconds, const RecordRule& beats)
{
    m_offer = SOffer{SRecordSetters::NewGame(), nLevel, nMoves, nSeconds};
    if (!IsLevel(nLevel))
        return {};
    // Filled in again each time the change meets the records on disk; what
    // counts is the meeting of the save that ends here.
    const auto fallen = std::make_shared<SOffer>(m_offer);
    Commit([fallen, beats](SStatsRecords& records, SRecordSetters& setters) {
        const int level = fallen->nLevel;
        const SRecordsBeaten beaten =
            beats(fallen->nMoves, fallen->nSeconds, records.leastMoves[level], records.fastestTime[level]);
        fallen->bMoves = beaten.bMoves;
        fallen->bTime = beaten.bTime;
        if (fallen->bMoves) {
            records.leastMoves[level] = fallen->nMoves;
            records.movesName[level] = DefaultName();
            setters.games[SRecordSetters::MovesSlot(level)] = fallen->game;
        }
        if (fallen->bTime) {
            records.fastestTime[level] = fallen->nSeconds;
            records.timeName[level] = DefaultName();
            setters.games[SRecordSetters::TimeSlot(level)] = fallen->game;
        }
    });
    m_offer = *fallen;
    return {m_offer.bMoves, m_offer.bTime};
}

bool CScoreTable::NameRecords(const QString& strName)
{
    const SOffer offer = m_offer;
    m_offer = SOffer();
    if (!IsLevel(offer.nLevel))
        return true;
    return Commit([offer, strName](SStatsRecords& records, SRecordSetters& setters) {
        const int level = offer.nLevel;
        if (setters.games[SRecordSetters::MovesSlot(level)] == offer.game)
            records.movesName[level] = strName;
        if (setters.games[SRecordSetters::TimeSlot(level)] == offer.game)
            records.timeName[level] = strName;
    });
}
