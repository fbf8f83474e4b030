#include "tests/core/StatsFixtures.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The real program, ended by a signal as a desktop logout or `kill` would end it.
class SignalsTest : public QObject
{
    Q_OBJECT

private:
    // The handlers are in place once the kernel lists the signal as caught.
    static bool Catches(qint64 pid, int nSignal)
    {
        for (const QByteArray& line : ReadFile(QStringLiteral("/proc/%1/status").arg(pid)).split('\n')) {
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
    // The stats file lands in the data folder: the defaults on a first run,
    // or the records of the last run written back unchanged.
    void eachSignalEndsInOrderAndWritesTheRecords_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("SIGTERM") << int(SIGTERM) << QByteArray();
        QTest::newRow("SIGINT") << int(SIGINT) << QByteArray();
        QTest::newRow("SIGHUP") << int(SIGHUP) << QByteArray();
        QTest::newRow("SIGTERM over the last run's records") << int(SIGTERM) << CStatsCodec::Encode(SampleRecords());
    }

    void eachSignalEndsInOrderAndWritesTheRecords()
    {
        QFETCH(int, signal);
        QFETCH(QByteArray, stored);
        QTemporaryDir home;
        const QString strStats = home.filePath(QStringLiteral("data/Brevik/Slydra/Stats.bin"));
        if (!stored.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(strStats).absolutePath()));
            QVERIFY(WriteFile(strStats, stored));
        }
        QCOMPARE(RunUntilSignal(home, signal), 0);
        QCOMPARE(ReadFile(strStats), stored.isEmpty() ? DefaultStatsFile() : stored);
    }
};

QTEST_GUILESS_MAIN(SignalsTest)
#include "tst_signals.moc"
