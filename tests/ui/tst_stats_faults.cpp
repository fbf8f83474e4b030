#include "StatsWriterRecords.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {

constexpr int kKillTrials = 200;

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Sets or clears the immutable attribute, which binds root as well.
bool SetImmutable(const QString& strPath, bool bOn)
{
    const int fd = ::open(QFile::encodeName(strPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool bDone = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (bDone) {
        flags = bOn ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        bDone = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return bDone;
}

} // namespace

// Saving the records when the save is killed, the file or folder is read-only
// or the disk is full: what was stored before survives whole, and nothing is
// shown to the player.
class StatsFaultsTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;
    QString m_strStats;
    QString m_strFolder;

    // The main window ends with the second record set to save over the first.
    void EndWindowSaving()
    {
        CDialogCounter dialogs;
        QStringList questions;
        {
            CTestSlydraDlg dlg;
            StatsWriterRecords::Put(dlg.m_scores, StatsWriterRecords::Set(1));
            dlg.SaveScores();
            questions = dlg.m_questions;
        }
        QCoreApplication::processEvents();
        QVERIFY(questions.isEmpty());
        QCOMPARE(dialogs.m_nShown, 0);
    }

    void StoreFirstSet()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(WriteAll(m_strStats, StatsWriterRecords::Bytes(0)));
    }

    // Read-only by the immutable attribute where it can be set; otherwise by
    // permission bits, which do not bind root.
    bool MakeReadOnly(const QString& strPath, QFileDevice::Permissions permissions)
    {
        if (SetImmutable(strPath, true))
            return true;
        if (geteuid() == 0)
            return false;
        return QFile::setPermissions(strPath, permissions);
    }

    void MakeWritable(const QString& strPath)
    {
        SetImmutable(strPath, false);
        QFile::setPermissions(strPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private slots:
    void initTestCase()
    {
        m_env = new CTestEnvironment;
        m_strStats = CScoreTable::DefaultPath();
        m_strFolder = QFileInfo(m_strStats).absolutePath();
        QVERIFY(m_strStats.startsWith(m_env->Path()));
    }
    void cleanupTestCase() { delete m_env; }
    void init()
    {
        m_env->ClearSettings();
        QFile::remove(m_strFolder);
        QDir(m_strFolder).removeRecursively();
    }

    // A helper saves the two record sets in turn, without end, and is killed
    // at seeded random moments: from its start (some before the first save)
    // or just after its first save. The file is always one of the two whole,
    // and absent only when no save had finished.
    void killedDuringSaves()
    {
        std::mt19937 random(4242u);
        const QByteArray first = StatsWriterRecords::Bytes(0);
        const QByteArray second = StatsWriterRecords::Bytes(1);
        int nAbsent = 0;
        int nFirst = 0;
        int nSecond = 0;
        int nLeftovers = 0;
        for (int trial = 0; trial < kKillTrials; ++trial) {
            QTemporaryDir dir;
            QVERIFY(dir.isValid());
            const QString strPath = dir.filePath(QStringLiteral("Stats.bin"));
            QProcess writer;
            writer.start(QStringLiteral(SLYDRA_STATS_WRITER), {QStringLiteral("loop"), strPath});
            QVERIFY(writer.waitForStarted());
            if (trial % 2 == 0) {
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 150000));
            } else {
                QVERIFY(writer.waitForReadyRead(30000));
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
            }
            QCOMPARE(::kill(static_cast<pid_t>(writer.processId()), SIGKILL), 0);
            QVERIFY(writer.waitForFinished(30000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            const bool bSaved = writer.readAllStandardOutput().contains("saved");

            if (!QFile::exists(strPath)) {
                QVERIFY2(!bSaved, qPrintable(QStringLiteral("trial %1: file gone after a save").arg(trial)));
                ++nAbsent;
            } else {
                const QByteArray bytes = ReadAll(strPath);
                QVERIFY2(bytes == first || bytes == second,
                         qPrintable(QStringLiteral("trial %1: %2 bytes, neither set").arg(trial).arg(bytes.size())));
                ++(bytes == first ? nFirst : nSecond);
            }
            nLeftovers += static_cast<int>(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size())
                - (QFile::exists(strPath) ? 1 : 0);
        }
        qInfo("%d kills: %d found no file yet, %d the first set, %d the second; %d temporary files left behind",
              kKillTrials, nAbsent, nFirst, nSecond, nLeftovers);
        QVERIFY(nFirst > 0 && nSecond > 0);
    }

    void readOnlyFileKeepsTheRecords()
    {
        StoreFirstSet();
        if (!MakeReadOnly(m_strStats, QFileDevice::ReadOwner))
            QSKIP("running as root where the immutable attribute cannot be set: permission bits do not bind root");
        const auto restore = qScopeGuard([this] { MakeWritable(m_strStats); });
        EndWindowSaving();
        QCOMPARE(ReadAll(m_strStats), StatsWriterRecords::Bytes(0));
    }

    void readOnlyFolderKeepsTheRecords()
    {
        StoreFirstSet();
        if (!MakeReadOnly(m_strFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            QSKIP("running as root where the immutable attribute cannot be set: permission bits do not bind root");
        const auto restore = qScopeGuard([this] { MakeWritable(m_strFolder); });
        EndWindowSaving();
        QCOMPARE(ReadAll(m_strStats), StatsWriterRecords::Bytes(0));
        QCOMPARE(QDir(m_strFolder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Stats.bin")});
    }

    // The data folder's place is taken by a plain file: nothing can be saved,
    // and nothing is said.
    void folderIsAFile()
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_strFolder).absolutePath()));
        QVERIFY(WriteAll(m_strFolder, "not a folder"));
        EndWindowSaving();
        QCOMPARE(ReadAll(m_strFolder), QByteArray("not a folder"));
    }

    // A full disk as the process sees it: a file size limit below the new
    // file's size makes its writes fail with EFBIG part way.
    void fileSizeLimitKeepsTheRecords()
    {
        StoreFirstSet();
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        {
            const auto restore = qScopeGuard([&] {
                setrlimit(RLIMIT_FSIZE, &previous);
                signal(SIGXFSZ, oldHandler);
            });
            QVERIFY(StatsWriterRecords::Bytes(1).size() > 1000);
            EndWindowSaving();
        }
        QCOMPARE(ReadAll(m_strStats), StatsWriterRecords::Bytes(0));
        QCOMPARE(QDir(m_strFolder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Stats.bin")});
    }

    // Stats.bin as a FIFO, a link to an endless device, or a folder: the
    // window starts with the default records, says nothing, and leaves the
    // thing in place. A watchdog opens the FIFO's other end if the start
    // blocks on it, and the test fails.
    void notAFileAtStart()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        const QByteArray stats = QFile::encodeName(m_strStats);
        for (int kind = 0; kind < 3; ++kind) {
            QFile::remove(m_strStats);
            QDir(m_strStats).removeRecursively();
            if (kind == 0)
                QCOMPARE(mkfifo(stats.constData(), 0600), 0);
            else if (kind == 1)
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_strStats));
            else
                QVERIFY(QDir().mkpath(m_strStats));

            std::atomic<bool> bDone{false};
            std::atomic<bool> bBlocked{false};
            std::thread watchdog([&] {
                for (int waited = 0; !bDone; waited += 10) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    if (kind != 0 || waited < 3000)
                        continue;
                    const int fd = ::open(stats.constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) {
                        bBlocked = true;
                        ::close(fd);
                    }
                }
            });
            CDialogCounter dialogs;
            int nMoves = 0;
            QString strName;
            QStringList questions;
            {
                CTestSlydraDlg dlg;
                bDone = true;
                watchdog.join();
                dlg.m_scores.GetMovesRecord(1, nMoves, strName);
                questions = dlg.m_questions;
            }
            QVERIFY2(!bBlocked, "the start blocked on a FIFO");
            QCOMPARE(nMoves, CScoreTable::kDefaultMoves);
            QCOMPARE(strName, CScoreTable::DefaultName());
            QVERIFY(questions.isEmpty());
            QCOMPARE(dialogs.m_nShown, 0);
            const QFileInfo left(m_strStats);
            QVERIFY(kind == 0 ? !left.isFile() && left.exists() : kind == 1 ? left.isSymLink() : left.isDir());
        }
        QFile::remove(m_strStats);
        QDir(m_strStats).removeRecursively();
    }

    // A real full disk: a 64 KiB tmpfs filled to the last block, in the
    // helper's own mount namespace.
    void fullTmpfsKeepsTheRecords()
    {
        QTemporaryDir dir;
        QProcess writer;
        writer.start(QStringLiteral(SLYDRA_STATS_WRITER), {QStringLiteral("fulldisk"), dir.path()});
        QVERIFY(writer.waitForFinished(60000));
        if (writer.exitCode() == 77)
            QSKIP(qPrintable(QStringLiteral("cannot mount a private tmpfs here: ")
                             + QString::fromLocal8Bit(writer.readAllStandardError()).trimmed()));
        QCOMPARE(writer.readAllStandardOutput().trimmed(), QByteArray("kept"));
        QCOMPARE(writer.exitCode(), 0);
    }
};

QTEST_MAIN(StatsFaultsTest)
#include "tst_stats_faults.moc"
