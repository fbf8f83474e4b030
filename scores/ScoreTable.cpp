#include "scores/ScoreTable.h"

#include "scores/StatsCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString CScoreTable::DefaultName()
{
    return QStringLiteral("Anonymous");
}

QString CScoreTable::DefaultPath()
{
    const QString strFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (strFolder.isEmpty())
        return QString();
    return QDir(strFolder).filePath(QStringLiteral("Stats.bin"));
}

CScoreTable::CScoreTable(const QString& strPath)
    : m_nLeastMoves{}, m_nFastestTime{}, m_strPath(strPath)
{
    LoadStats();
}

CScoreTable::~CScoreTable()
{
    SaveStats();
}

void CScoreTable::LoadStats()
{
    QFile file(m_strPath);
    // Only a regular file: a FIFO would block the start, a device never end.
    if (m_strPath.isEmpty() || !QFileInfo(m_strPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        SetDefaults();
        return;
    }
    // Reading one byte past the bound tells a larger file apart without
    // reading it whole (a sparse file can claim any size).
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    const std::optional<SStatsRecords> records =
        bytes.size() > kMaxFileBytes ? std::nullopt : CStatsCodec::Decode(bytes);
    if (!records) {
        SetDefaults();
        return;
    }
    for (int level = 0; level < kLevels; ++level) {
        m_nLeastMoves[level] = records->leastMoves[level];
        m_nFastestTime[level] = records->fastestTime[level];
        m_strMovesName[level] = records->movesName[level];
        m_strTimeName[level] = records->timeName[level];
    }
}

void CScoreTable::SaveStats() const
{
    if (m_strPath.isEmpty())
        return;
    // A fresh machine has no data folder yet; without it no record would
    // ever be kept.
    const QFileInfo target(m_strPath);
    if (!QDir().mkpath(target.absolutePath()))
        return;
    // A folder, FIFO or device standing where the file belongs is not ours to replace.
    if (target.exists() && !target.isFile())
        return;

    // Most games set no record: a file that already holds these very bytes
    // is left alone, and the exit does not wait for the disk.
    const QByteArray bytes = CStatsCodec::Encode(ToRecords());
    if (HoldsExactly(bytes))
        return;

    // Written beside the old file and renamed over it on commit, so a write
    // that fails part way, or a game killed while writing, leaves the previous
    // records whole.
    QSaveFile file(m_strPath);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // commit() alone would rename a short file over the old one when the
    // buffer fails to flush (a full medium), so the write is checked here.
    if (file.write(bytes) != bytes.size() || !file.flush())
        file.cancelWriting();
    file.commit();
}

bool CScoreTable::HoldsExactly(const QByteArray& bytes) const
{
    QFile file(m_strPath);
    // One byte more than expected tells a longer file apart.
    return file.open(QIODevice::ReadOnly) && file.read(bytes.size() + 1) == bytes;
}

void CScoreTable::SetDefaults()
{
    for (int level = 0; level < kLevels; ++level) {
        m_nLeastMoves[level] = kDefaultMoves;
        m_nFastestTime[level] = kDefaultTime;
        m_strMovesName[level] = DefaultName();
        m_strTimeName[level] = DefaultName();
    }
}

bool CScoreTable::GetMovesRecord(int nLevel, int& nMoves, QString& strName) const
{
    if (!IsLevel(nLevel))
        return false;
    nMoves = m_nLeastMoves[nLevel];
    strName = m_strMovesName[nLevel];
    return true;
}

bool CScoreTable::GetTimeRecord(int nLevel, int& nSeconds, QString& strName) const
{
    if (!IsLevel(nLevel))
        return false;
    nSeconds = m_nFastestTime[nLevel];
    strName = m_strTimeName[nLevel];
    return true;
}

void CScoreTable::SetMovesRecord(int nLevel, int nMoves, const QString& strName)
{
    if (!IsLevel(nLevel))
        return;
    m_nLeastMoves[nLevel] = nMoves;
    m_strMovesName[nLevel] = strName;
}

void CScoreTable::SetTimeRecord(int nLevel, int nSeconds, const QString& strName)
{
    if (!IsLevel(nLevel))
        return;
    m_nFastestTime[nLevel] = nSeconds;
    m_strTimeName[nLevel] = strName;
}

SStatsRecords CScoreTable::ToRecords() const
{
    SStatsRecords records;
    for (int level = 0; level < kLevels; ++level) {
        records.leastMoves[level] = m_nLeastMoves[level];
        records.fastestTime[level] = m_nFastestTime[level];
        records.movesName[level] = m_strMovesName[level];
        records.timeName[level] = m_strTimeName[level];
    }
    return records;
}
