#include "scores/StatsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

CStatsFile::CStatsFile(const QString& strPath)
    : m_strPath(strPath), m_lock(strPath + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(kStaleLockMs);
}

void CStatsFile::Read()
{
    m_eState = EState::Unreadable;
    m_bytes.clear();
    m_records.reset();
    const QFileInfo info(m_strPath);
    if (m_strPath.isEmpty() || !info.exists()) {
        m_eState = EState::Absent;
        return;
    }
    // Only a regular file: a FIFO would block the start, a device never end.
    if (!info.isFile()) {
        Fail(tr("it is not a regular file, so it is not replaced"));
        return;
    }
    QFile file(m_strPath);
    // Reading one byte past the bound tells a larger file apart without
    // reading it whole (a sparse file can claim any size).
    if (file.open(QIODevice::ReadOnly))
        m_bytes = file.read(kMaxFileBytes + 1);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        m_bytes.clear();
        Fail(tr("it cannot be read (%1), so it is not replaced").arg(file.errorString()));
        return;
    }
    if (m_bytes.size() <= kMaxFileBytes)
        m_records = CStatsCodec::Decode(m_bytes);
    m_eState = m_records ? EState::Good : EState::Malformed;
}

bool CStatsFile::Lock()
{
    if (m_strPath.isEmpty())
        return Fail(tr("there is no data folder"));
    // A fresh machine has no data folder yet.
    if (!QDir().mkpath(QFileInfo(m_strPath).absolutePath()))
        return Fail(tr("its folder cannot be created"));
    if (m_lock.tryLock(kLockWaitMs))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return Fail(tr("another Slydra holds its lock"));
    if (m_lock.error() == QLockFile::PermissionError)
        return Fail(tr("its folder cannot be written"));
    return Fail(tr("its lock file cannot be made"));
}

bool CStatsFile::Write(const QByteArray& bytes)
{
    if (m_eState == EState::Unreadable)
        return false;
    if (m_eState == EState::Malformed) {
        const QString strBad = m_strPath + QStringLiteral(".bad");
        QFile::remove(strBad);
        if (!QFile::rename(m_strPath, strBad))
            return Fail(tr("it is damaged and cannot be kept as %1").arg(QDir::toNativeSeparators(strBad)));
    }
    // Written beside the old file and renamed over it on commit, so a write
    // that fails part way, or a game killed while writing, leaves the previous
    // records whole. commit() alone would rename a short file over the old one
    // when the buffer fails to flush (a full medium), so each step is checked.
    QSaveFile file(m_strPath);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    return Fail(file.errorString());
}

bool CStatsFile::Fail(const QString& strReason)
{
    m_strError = strReason;
    return false;
}
