#pragma once

#include "scores/RecordSetters.h"
#include "scores/StatsCodec.h"

#include <QCoreApplication>
#include <QLockFile>

// Stats.bin on disk, with the file of the games that set its records beside
// it (Stats.bin.games). Both are read whole or not at all and only ever
// replaced whole, so a reader needs no lock; a writer holds Stats.bin.lock
// beside them, which every running Slydra shares, from its read to its write.
class CStatsFile
{
    Q_DECLARE_TR_FUNCTIONS(CStatsFile)

public:
    enum class EState { Absent, Good, Malformed, Unreadable };

    // The largest stats file read: six names of 87,000 characters each. A
    // larger file is not a table of ours.
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    // A save takes well under a millisecond: a lock held longer belongs to a
    // window that hangs, and one this old to a program that died holding it.
    static constexpr int kLockWaitMs = 500;
    static constexpr int kStaleLockMs = 10000;

    explicit CStatsFile(const QString& strPath);

    void Read();
    EState State() const { return m_eState; }
    const QByteArray& Bytes() const { return m_bytes; }
    // Empty unless the file is Good.
    const std::optional<SStatsRecords>& Records() const { return m_records; }
    // Nobody's, unless the file of the games was written with these bytes.
    const SRecordSetters& Setters() const { return m_setters; }

    // Makes the folder and takes the lock for this object's life.
    bool Lock();
    // Replaces the file with the bytes; a malformed file is first kept beside
    // as Stats.bin.bad, and one that cannot be read is never replaced. Then
    // the file of the games, when it changes; that one only as well as it can.
    bool Write(const QByteArray& bytes, const SRecordSetters& setters);
    // Why Lock or Write failed, or why the file cannot be read.
    QString Error() const { return m_strError; }

private:
    bool ClearLockPaths();
    void ReadSetters();
    void WriteSetters(const QByteArray& bytes, const SRecordSetters& setters);
    bool Fail(const QString& strReason);

    QString m_strPath;
    QString m_strSettersPath;
    QLockFile m_lock;
    EState m_eState = EState::Absent;
    QByteArray m_bytes;
    std::optional<SStatsRecords> m_records;
    SRecordSetters m_setters;
    QString m_strError;
};
