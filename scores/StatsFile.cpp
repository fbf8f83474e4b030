#include "scores/StatsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// What stands at the path, seen without opening it or following a link.
fs::file_type Look(const QString& strPath)
{
    std::error_code error;
    return fs::symlink_status(QFileInfo(strPath).filesystemFilePath(), error).type();
}

// Something other than a regular file where one belongs, and what it is for the player.
QString Obstacle(const QString& strPath)
{
    switch (Look(strPath)) {
    case fs::file_type::none:
    case fs::file_type::not_found:
    case fs::file_type::regular:
        return QString();
    case fs::file_type::directory:
        return CStatsFile::tr("%1 is in the way (a folder)").arg(QDir::toNativeSeparators(strPath));
    case fs::file_type::symlink:
        return CStatsFile::tr("%1 is in the way (a symbolic link)").arg(QDir::toNativeSeparators(strPath));
    case fs::file_type::fifo:
        return CStatsFile::tr("%1 is in the way (a named pipe)").arg(QDir::toNativeSeparators(strPath));
    case fs::file_type::socket:
        return CStatsFile::tr("%1 is in the way (a socket)").arg(QDir::toNativeSeparators(strPath));
    default:
        return CStatsFile::tr("%1 is in the way (a device)").arg(QDir::toNativeSeparators(strPath));
    }
}

// Stale as QLockFile judges it: by the age of the file, either way, for a
// clock set back.
bool IsStale(const QString& strPath)
{
    std::error_code error;
    const fs::file_time_type modified = fs::last_write_time(QFileInfo(strPath).filesystemFilePath(), error);
    const auto age = fs::file_time_type::clock::now() - modified;
    return !error && std::chrono::abs(age) > std::chrono::milliseconds(CStatsFile::kStaleLockMs);
}

} // namespace

CStatsFile::CStatsFile(const QString& strPath)
    : m_strPath(strPath)
    , m_strSettersPath(strPath + QStringLiteral(".games"))
    , m_lock(strPath + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(kStaleLockMs);
}

void CStatsFile::Read()
{
    m_eState = EState::Unreadable;
    m_bytes.clear();
    m_records.reset();
    m_setters = SRecordSetters();
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
    if (m_records)
        ReadSetters();
}

void CStatsFile::ReadSetters()
{
    if (Look(m_strSettersPath) != fs::file_type::regular)
        return;
    QFile file(m_strSettersPath);
    if (file.open(QIODevice::ReadOnly))
        m_setters = SRecordSetters::Decode(file.read(SRecordSetters::kMaxFileBytes), m_bytes);
}

bool CStatsFile::Lock()
{
    if (m_strPath.isEmpty())
        return Fail(tr("there is no data folder"));
    // A fresh machine has no data folder yet.
    if (!QDir().mkpath(QFileInfo(m_strPath).absolutePath()))
        return Fail(tr("its folder cannot be created"));
    if (!ClearLockPaths())
        return false;
    if (m_lock.tryLock(kLockWaitMs))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return Fail(tr("another Slydra holds its lock"));
    if (m_lock.error() == QLockFile::PermissionError)
        return Fail(tr("its folder cannot be written"));
    return Fail(tr("its lock file cannot be made"));
}

// QLockFile opens the file it finds at its path, to learn who holds it and
// to remove it when stale, and takes a lock of its own kind beside it for
// that (name.rmlock, and so on while those are stale): a FIFO there blocks
// the open for good, a link to a device reads it without end, and a file it
// may not open for writing is never removed. So each file of that chain must
// be a regular one, and a stale one is removed here, unopened, the innermost
// first, under the lock beside it, as QLockFile itself would.
bool CStatsFile::ClearLockPaths()
{
    QStringList chain;
    const QString strRemoverSuffix = QStringLiteral(".rmlock");
    QString strBeyond = m_lock.fileName();
    for (; Look(strBeyond) == fs::file_type::regular; strBeyond += strRemoverSuffix)
        chain.prepend(strBeyond);
    const QString strObstacle = Obstacle(strBeyond);
    if (!strObstacle.isEmpty())
        return Fail(strObstacle);
    for (const QString& strPath : chain) {
        QLockFile remover(strPath + strRemoverSuffix);
        // Checked again under that lock: another game may have just put a fresh lock in its place.
        if (IsStale(strPath) && remover.tryLock(0) && Look(strPath) == fs::file_type::regular && IsStale(strPath))
            QFile::remove(strPath);
    }
    return true;
}

bool CStatsFile::Write(const QByteArray& bytes, const SRecordSetters& setters)
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
    if (m_eState != EState::Good || bytes != m_bytes) {
        QSaveFile file(m_strPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
            return Fail(file.errorString());
    }
    WriteSetters(bytes, setters);
    return true;
}

// The records are saved whatever becomes of this file: written after them,
// it can only fail to name their games, and then a name typed for a game
// lands nowhere, which is the safe way to be wrong. Anything but a regular
// file there is left alone.
void CStatsFile::WriteSetters(const QByteArray& bytes, const SRecordSetters& setters)
{
    // A file of no setters and none at all say the same, as does one written for other bytes.
    if (setters == m_setters && (setters.IsEmpty() || bytes == m_bytes))
        return;
    if (!Obstacle(m_strSettersPath).isEmpty())
        return;
    QSaveFile file(m_strSettersPath);
    const QByteArray encoded = setters.Encode(bytes);
    if (file.open(QIODevice::WriteOnly) && file.write(encoded) == encoded.size() && file.flush())
        file.commit();
}

bool CStatsFile::Fail(const QString& strReason)
{
    m_strError = strReason;
    return false;
}
