#include "app/Game.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// The least moves of 3x3, 4x4 and 5x5 in the file, with their holders.
QString MovesOnDisk(const QString& path) {
    QFile file(path);
    const auto records = CStatsCodec::Decode(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    QString moves = records ? "" : "no table";
    for (int level = 0; records && level < SStatsRecords::kLevels; ++level)
        moves += QString::number(records->leastMoves[level]) + ' ' + records->movesName[level] + ' ';
    return moves;
}

// What a path holds, without following a link or opening a FIFO.
QString Seen(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink())
        return "link to " + info.symLinkTarget();
    if (info.isDir() || !info.exists())
        return info.isDir() ? "folder" : "nothing";
    return info.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "a FIFO";
}

// A save that blocks fails the test instead of hanging the suite.
struct SWatchdog {
    SWatchdog() { alarm(20); }
    ~SWatchdog() { alarm(0); }
};

} // namespace

// Windows on one file, each with a table made at the start: a3 is a win by
// A at 3x3 in 30 moves (B wins in 20, C in 30 like A), n names the last win
// (Alpha, Bravo, Charlie), r resets, x closes; the rest close at the end, A
// first. The file of the records' games can go (gx) or turn into a FIFO (gf):
// then no name can be shown to be a game's own, and none is given.
TEST(Records, TablesOnOneFileKeepEveryRecordAndNameOnlyTheirOwn) {
    const SWatchdog watchdog;
    const std::pair<const char*, const char*> cases[] = {
        {"a3 an bx", "30 Alpha 9999 Anonymous 9999 Anonymous "},
        {"a3 an b4 bn", "30 Alpha 20 Bravo 9999 Anonymous "},
        {"a3 an b4 bn bx", "30 Alpha 20 Bravo 9999 Anonymous "},
        {"b5 bn a5 an", "9999 Anonymous 9999 Anonymous 20 Bravo "},
        {"a3 b3 an", "20 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"a3 an b4 bn ar", "9999 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"a4 br bx an", "9999 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"a3 br bx c3 an", "30 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"a3 br bx c3 an cn", "30 Charlie 9999 Anonymous 9999 Anonymous "},
        {"a3 gx an", "30 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"gf a3 an", "30 Anonymous 9999 Anonymous 9999 Anonymous "},
    };
    for (const auto& [steps, onDisk] : cases) {
        const QTemporaryDir dir;
        const QString path = dir.filePath("Stats.bin");
        std::optional<CScoreTable> tables[3];
        for (std::optional<CScoreTable>& table : tables)
            table.emplace(path);
        for (const QString& step : QString(steps).split(' ')) {
            const int who = step[0].unicode() - 'a';
            std::optional<CScoreTable>& table = tables[who % 3];
            if (step == "gx")
                QFile::remove(path + ".games");
            else if (step == "gf")
                mkfifo(QFile::encodeName(path + ".games").constData(), 0600);
            else if (step[1] == 'x')
                table.reset();
            else if (step[1] == 'r')
                table->SetDefaults();
            else if (step[1] == 'n')
                table->NameRecords(QStringList{"Alpha", "Bravo", "Charlie"}[who]);
            else
                table->OfferResult(step[1].digitValue() - 3, step[0] == 'b' ? 20 : 30, 40, &CGame::RecordsBeaten);
        }
        for (std::optional<CScoreTable>& table : tables)
            table.reset();
        EXPECT_EQ(MovesOnDisk(path), onDisk) << steps;
    }
}

// Something in the way of a save, planted in the data folder D: the save
// says where and why, once, and leaves it as it was; the record is written at
// the exit once the way is clear. A file read but no table is kept as
// Stats.bin.bad, over an older one. A stale lock is taken over even when no
// one may open it, checked with an ordinary user's permissions (root opens
// anything).
TEST(Records, AnythingInTheWayIsLeftAndTheSaveSaysWhy) {
    const SWatchdog watchdog;
    const std::tuple<QString, QString, QString> cases[] = {
        {"Stats.bin", "/proc/self/mem", ": it cannot be read (Input/output error), so it is not replaced"},
        {"Stats.bin", "FIFO", ": it is not a regular file, so it is not replaced"},
        {"Stats.bin", "/dev/zero", ": it is not a regular file, so it is not replaced"},
        {".", "a file", ": its folder cannot be created"},
        {"Stats.bin", "no table", ""},
        {"Stats.bin.lock", "FIFO", ": D/Stats.bin.lock is in the way (a named pipe)"},
        {"Stats.bin.lock", "folder", ": D/Stats.bin.lock is in the way (a folder)"},
        {"Stats.bin.lock", "mine", ": D/Stats.bin.lock is in the way (a symbolic link)"},
        {"Stats.bin.lock.rmlock", "FIFO", ": D/Stats.bin.lock.rmlock is in the way (a named pipe)"},
        {"Stats.bin.lock", "stale", ""},
    };
    for (const auto& [where, planted, reason] : cases) {
        const QTemporaryDir dir;
        const QString data = dir.filePath("Slydra");
        const QString path = data + "/Stats.bin";
        const QString thing = QDir::cleanPath(data + '/' + where);
        const auto plant = [&](const QString& at, const QString& what) {
            const QByteArray name = QFile::encodeName(at);
            const utimbuf epoch{};
            if (what == "FIFO")
                mkfifo(name.constData(), 0600);
            else if (what == "folder")
                QDir().mkdir(at);
            else if (what.startsWith('/') || what == "mine")
                QFile::link(what == "mine" ? dir.filePath("mine") : what, at);
            else
                Write(at, what.toLatin1());
            if (what == "stale")
                utime(name.constData(), &epoch);
            if (what == "stale")
                chmod(name.constData(), 0);
        };
        if (where != ".")
            QDir().mkdir(data);
        Write(dir.filePath("mine"), "mine");
        if (planted == "no table")
            Write(path + ".bad", "older");
        if (where.endsWith(".rmlock"))
            plant(path + ".lock", "stale");
        plant(thing, planted);
        const QString before = Seen(thing);
        const bool ordinary = planted == "stale" && geteuid() == 0;
        if (ordinary)
            chmod(QFile::encodeName(dir.path()).constData(), 0711);
        if (ordinary)
            chown(QFile::encodeName(data).constData(), 65534, 65534);
        if (ordinary)
            setfsuid(65534);
        std::optional<CScoreTable> table(path);
        table->SetMovesRecord(0, 5, "Ada");
        EXPECT_EQ(table->SaveStats(), reason.isEmpty()) << where.toStdString() << " " << planted.toStdString();
        if (ordinary)
            setfsuid(0);
        const QString told = "The records could not be saved to " + path + QString(reason).replace("D/", data + '/')
                             + ". Slydra will try again when a record changes and when it closes.";
        EXPECT_EQ(table->TakeUntoldFailure(), reason.isEmpty() ? QString() : told);
        if (!reason.isEmpty()) {
            EXPECT_EQ(Seen(thing), before);
        }
        EXPECT_EQ(Seen(path + ".bad"), planted == "no table" ? "no table" : "nothing");
        EXPECT_EQ(Seen(dir.filePath("mine")), "mine");
        if (before == "folder" && !reason.isEmpty())
            QDir(thing).removeRecursively();
        else if (!reason.isEmpty())
            QFile::remove(thing);
        table.reset();
        EXPECT_EQ(MovesOnDisk(path), "5 Ada 9999 Anonymous 9999 Anonymous ") << where.toStdString();
    }
}
