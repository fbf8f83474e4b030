#include "app/Game.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

// The least moves of 3x3, 4x4 and 5x5 in the file, with their holders.
QString MovesOnDisk(const QString& path) {
    QFile file(path);
    const auto records = CStatsCodec::Decode(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    QString moves = records ? "" : "no table";
    for (int level = 0; records && level < SStatsRecords::kLevels; ++level)
        moves += QString::number(records->leastMoves[level]) + ' ' + records->movesName[level] + ' ';
    return moves;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "nothing";
}

} // namespace

// Windows on one file, each with a table made at the start: a3 is a win by
// A at 3x3 in 30 moves (B wins in 20, C in 30 like A), n names the last win
// (Alpha, Bravo, Charlie), r resets, x closes; the rest close at the end, A
// first. The file of the records' games can go (gx) or turn into a FIFO (gf):
// then no name can be shown to be a game's own, and none is given.
TEST(Records, TablesOnOneFileKeepEveryRecordAndNameOnlyTheirOwn) {
    const std::pair<const char*, const char*> cases[] = {
        {"a3 an b4 bn bx", "30 Alpha 20 Bravo 9999 Anonymous "},
        {"a3 b4 bn an", "30 Alpha 20 Bravo 9999 Anonymous "},
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

// Something put in the way of a save, by shell commands in a folder that
// holds the data folder Slydra (D): the save says where and why, once, and
// never writes over it; the record is written at the exit once the way is
// clear. A file read but no table is kept as Stats.bin.bad, over an older one.
// A stale lock is taken over even when no one may open it; a fresh one of a game
// on another machine is not. As root, who may open anything, the game runs with
// an ordinary user's file permissions.
TEST(Records, AnythingInTheWayIsLeftAndTheSaveSaysWhy) {
    const std::pair<QString, QString> cases[] = {
        {"echo > Slydra/Stats.bin; chmod 0 Slydra/Stats.bin", ": it cannot be read (Permission denied), so it is not "
                                                              "replaced"},
        {"mkfifo Slydra/Stats.bin", ": it is not a regular file, so it is not replaced"},
        {"ln -s /dev/zero Slydra/Stats.bin", ": it is not a regular file, so it is not replaced"},
        {"rmdir Slydra; echo > Slydra", ": its folder cannot be created"},
        {"echo -n older > Slydra/Stats.bin.bad; echo -n no table > Slydra/Stats.bin", ""},
        {"mkfifo Slydra/Stats.bin.lock", ": D/Stats.bin.lock is in the way (a named pipe)"},
        {"mkdir Slydra/Stats.bin.lock", ": D/Stats.bin.lock is in the way (a folder)"},
        {"echo mine > mine; ln -s ../mine Slydra/Stats.bin.lock", ": D/Stats.bin.lock is in the way (a symbolic link)"},
        {"touch -d @0 Slydra/Stats.bin.lock; mkfifo Slydra/Stats.bin.lock.rmlock",
         ": D/Stats.bin.lock.rmlock is in the way (a named pipe)"},
        {"touch -d @0 Slydra/Stats.bin.lock; chmod 0 Slydra/Stats.bin.lock", ""},
        {"printf '1\\nslydra\\nelsewhere\\n' > Slydra/Stats.bin.lock", ": another Slydra holds its lock"},
    };
    const QTemporaryDir ordinary;
    const bool root = geteuid() == 0;
    if (root)
        chown(QFile::encodeName(ordinary.path()).constData(), 65534, 65534);
    setfsuid(root ? 65534 : geteuid());
    for (const auto& [commands, reason] : cases) {
        const QTemporaryDir dir(ordinary.filePath("row"));
        const QString data = dir.filePath("Slydra");
        const QString path = data + "/Stats.bin";
        QDir().mkdir(data);
        ASSERT_EQ(std::system(qPrintable("cd " + dir.path() + " && " + commands)), 0) << commands.toStdString();
        std::optional<CScoreTable> table(path);
        table->SetMovesRecord(0, 5, "Ada");
        EXPECT_EQ(table->SaveStats(), reason.isEmpty()) << commands.toStdString();
        const QString told = "The records could not be saved to " + path + QString(reason).replace("D/", data + '/')
                             + ". Slydra will try again when a record changes and when it closes.";
        EXPECT_EQ(table->TakeUntoldFailure(), reason.isEmpty() ? QString() : told);
        EXPECT_EQ(Read(path + ".bad"), commands.contains("no table") ? "no table" : "nothing");
        if (!reason.isEmpty() && !QFile::remove(data))
            QDir(data).removeRecursively();
        table.reset();
        EXPECT_EQ(MovesOnDisk(path), "5 Ada 9999 Anonymous 9999 Anonymous ") << commands.toStdString();
    }
    setfsuid(geteuid());
}
