#pragma once

#include "scores/StatsCodec.h"

#include <QCoreApplication>
#include <QLockFile>

// Stats.bin on disk. It is read whole or not at all and only ever replaced
// whole, so a reader needs no lock; a writer holds Stats.bin.lock beside it,
// which every running Slydra shares, from its read to its write.
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

    // Makes the folder and takes the lock for this object's life.
    bool Lock();
    // Replaces the file with the bytes; a malformed file is first kept beside
    // as Stats.bin.bad, and one that cannot be read is never replaced.
    bool Write(const QByteArray& bytes);
    // Why Lock or Write failed, or why the file cannot be read.
    QString Error() const { return m_strError; }

private:
    bool Fail(const QString& strReason);

    QString m_strPath;
    QLockFile m_lock;
    EState m_eState = EState::Absent;
    QByteArray m_bytes;
    std::optional<SStatsRecords> m_records;
    QString m_strError;
};
