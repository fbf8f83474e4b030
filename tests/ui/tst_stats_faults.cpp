#include "HostileFiles.h"
#include "TestSupport.h"
#include "tests/core/StatsFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace {

constexpr int kKillTrials = 200;

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
// shown to the player. The window starts with the defaults wherever the file
// cannot be read.
class StatsFaultsTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment m_env;
    QString m_strStats;
    QString m_strFolder;

    // The main window starts, holding atStart, and ends with the second
    // record set to save over the first; nothing is said.
    void EndWindowSaving(const SStatsRecords& atStart)
    {
        CDialogCounter dialogs;
        QStringList questions;
        SStatsRecords loaded;
        {
            CTestSlydraDlg dlg;
            loaded = Snapshot(dlg.m_scores);
            Store(dlg.m_scores, WriterRecords(1));
            dlg.SaveScores();
            questions = dlg.m_questions;
        }
        QCoreApplication::processEvents();
        QVERIFY(loaded == atStart);
        QVERIFY(questions.isEmpty());
        QCOMPARE(dialogs.m_nShown, 0);
    }

    void StoreFirstSet()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(WriteFile(m_strStats, CStatsCodec::Encode(WriterRecords(0))));
    }

    // The save failed: the first set is still there whole, and nothing beside it.
    void FirstSetKeptAlone()
    {
        QCOMPARE(ReadFile(m_strStats), CStatsCodec::Encode(WriterRecords(0)));
        QCOMPARE(QDir(m_strFolder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Stats.bin")});
    }

    // Makes strPath read-only, by the immutable attribute where it can be set
    // (permission bits do not bind root), and ends the window saving over it.
    void EndWindowSavingReadOnly(const QString& strPath, QFileDevice::Permissions permissions)
    {
        StoreFirstSet();
        if (!SetImmutable(strPath, true) && (geteuid() == 0 || !QFile::setPermissions(strPath, permissions)))
            QSKIP("running as root where the immutable attribute cannot be set: permission bits do not bind root");
        const auto restore = qScopeGuard([strPath] {
            SetImmutable(strPath, false);
            QFile::setPermissions(strPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        EndWindowSaving(WriterRecords(0));
        FirstSetKeptAlone();
    }

private slots:
    void initTestCase()
    {
        m_strStats = CScoreTable::DefaultPath();
        m_strFolder = QFileInfo(m_strStats).absolutePath();
        QVERIFY(m_strStats.startsWith(m_env.Path()));
    }
    void init()
    {
        m_env.ClearSettings();
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
        const QByteArray first = CStatsCodec::Encode(WriterRecords(0));
        const QByteArray second = CStatsCodec::Encode(WriterRecords(1));
        int nFound[3] = {};  // no file, the first set, the second
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
                ++nFound[0];
            } else {
                const QByteArray bytes = ReadFile(strPath);
                QVERIFY2(bytes == first || bytes == second,
                         qPrintable(QStringLiteral("trial %1: %2 bytes, neither set").arg(trial).arg(bytes.size())));
                ++nFound[bytes == first ? 1 : 2];
                --nLeftovers;
            }
            nLeftovers += static_cast<int>(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size());
        }
        qInfo("%d kills: %d found no file yet, %d the first set, %d the second; %d temporary files left behind",
              kKillTrials, nFound[0], nFound[1], nFound[2], nLeftovers);
        QVERIFY(nFound[1] > 0 && nFound[2] > 0);
    }

    void readOnlyFileKeepsTheRecords() { EndWindowSavingReadOnly(m_strStats, QFileDevice::ReadOwner); }
    void readOnlyFolderKeepsTheRecords()
    {
        EndWindowSavingReadOnly(m_strFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    // The data folder's place is taken by a plain file: nothing can be saved,
    // and nothing is said.
    void folderIsAFile()
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_strFolder).absolutePath()));
        QVERIFY(WriteFile(m_strFolder, "not a folder"));
        EndWindowSaving(DefaultStatsRecords());
        QCOMPARE(ReadFile(m_strFolder), QByteArray("not a folder"));
    }

    // A full disk as the process sees it: a file size limit below the new
    // file's size makes its writes fail with EFBIG part way.
    void fileSizeLimitKeepsTheRecords()
    {
        StoreFirstSet();
        QVERIFY(CStatsCodec::Encode(WriterRecords(1)).size() > 1000);
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
            EndWindowSaving(WriterRecords(0));
        }
        FirstSetKeptAlone();
    }

    // Stats.bin as a FIFO, a link to an endless device, or a folder: the
    // window starts with the default records without blocking, says nothing,
    // and leaves the thing in place.
    void notAFileAtStart()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        for (int kind = 0; kind < 3; ++kind) {
            QFile::remove(m_strStats);
            QDir(m_strStats).removeRecursively();
            if (kind == 0)
                QCOMPARE(mkfifo(QFile::encodeName(m_strStats).constData(), 0600), 0);
            else if (kind == 1)
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_strStats));
            else
                QVERIFY(QDir().mkpath(m_strStats));

            CDialogCounter dialogs;
            std::unique_ptr<CTestSlydraDlg> dlg;
            QVERIFY2(HostileFiles::RunsWithoutBlocking(m_strStats, [&] { dlg = std::make_unique<CTestSlydraDlg>(); }),
                     "the start blocked on a FIFO");
            QVERIFY(Snapshot(dlg->m_scores) == DefaultStatsRecords());
            const QStringList questions = dlg->m_questions;
            dlg.reset();
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
