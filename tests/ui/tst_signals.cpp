#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The real program, ended by a signal as a desktop logout or `kill` would end it.
class SignalsTest : public QObject
{
    Q_OBJECT

private:
    QString StatsPath(const QTemporaryDir& home) const
    {
        return home.filePath(QStringLiteral("data/Brevik/Slydra/Stats.bin"));
    }

    // The handlers are in place once the kernel lists the signal as caught.
    static bool Catches(qint64 pid, int nSignal)
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (nSignal - 1)) & 1u;
        }
        return false;
    }

    int RunUntilSignal(const QTemporaryDir& home, int nSignal)
    {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start(QStringLiteral(SLYDRA_BINARY), QStringList());
        if (!game.waitForStarted(10000))
            return -1000;
        QDeadlineTimer deadline(20000);
        while (!Catches(game.processId(), nSignal)) {
            if (deadline.hasExpired())
                return -1003;
            QTest::qWait(20);
        }
        ::kill(static_cast<pid_t>(game.processId()), nSignal);
        if (!game.waitForFinished(20000))
            return -1001;
        return game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1002;
    }

private slots:
    void eachSignalEndsInOrderAndWritesTheRecords_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void eachSignalEndsInOrderAndWritesTheRecords()
    {
        QFETCH(int, signal);
        QTemporaryDir home;
        QCOMPARE(RunUntilSignal(home, signal), 0);
        QFile stats(StatsPath(home));
        QVERIFY(stats.open(QIODevice::ReadOnly));
        QCOMPARE(stats.size(), 156);
    }

    void recordsFromTheLastRunAreWrittenBackUnchanged()
    {
        QTemporaryDir home;
        SStatsRecords records;
        for (int level = 0; level < 3; ++level) {
            records.leastMoves[level] = 40 + level;
            records.fastestTime[level] = 100 * (level + 1);
            records.movesName[level] = QStringLiteral("M\u00f8ller %1").arg(level);
            records.timeName[level] = QStringLiteral("\U0001F600 %1").arg(level);
        }
        const QByteArray bytes = CStatsCodec::Encode(records);
        QVERIFY(QDir().mkpath(QFileInfo(StatsPath(home)).absolutePath()));
        {
            QFile file(StatsPath(home));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        QCOMPARE(RunUntilSignal(home, SIGTERM), 0);
        QFile stats(StatsPath(home));
        QVERIFY(stats.open(QIODevice::ReadOnly));
        QCOMPARE(stats.readAll(), bytes);
    }
};

QTEST_GUILESS_MAIN(SignalsTest)
#include "tst_signals.moc"
