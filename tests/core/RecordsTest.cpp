#include "app/Game.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

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

} // namespace

// Two windows on one file, each with a table made at the start: a3 is a win by
// A at 3x3 in 30 moves (B wins in 20), n names the last win (Alpha, Bravo), r
// resets, x closes; the rest close at the end, A first.
TEST(Records, TwoTablesOnOneFileKeepEveryRecordEitherSets) {
    const std::pair<const char*, const char*> cases[] = {
        {"a3 an bx", "30 Alpha 9999 Anonymous 9999 Anonymous "},
        {"a3 an b4 bn", "30 Alpha 20 Bravo 9999 Anonymous "},
        {"a3 an b4 bn bx", "30 Alpha 20 Bravo 9999 Anonymous "},
        {"b5 bn a5 an", "9999 Anonymous 9999 Anonymous 20 Bravo "},
        {"a3 b3 an", "20 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"a3 an b4 bn ar", "9999 Anonymous 9999 Anonymous 9999 Anonymous "},
        {"a4 br bx an", "9999 Anonymous 9999 Anonymous 9999 Anonymous "},
    };
    for (const auto& [steps, onDisk] : cases) {
        const QTemporaryDir dir;
        std::optional<CScoreTable> tables[2];
        tables[0].emplace(dir.filePath("Stats.bin"));
        tables[1].emplace(dir.filePath("Stats.bin"));
        for (const QString& step : QString(steps).split(' ')) {
            std::optional<CScoreTable>& table = tables[step[0] == 'b'];
            if (step[1] == 'x')
                table.reset();
            else if (step[1] == 'r')
                table->SetDefaults();
            else if (step[1] == 'n')
                table->NameRecords(step[0] == 'b' ? "Bravo" : "Alpha");
            else
                table->OfferResult(step[1].digitValue() - 3, step[0] == 'b' ? 20 : 30, 40, &CGame::RecordsBeaten);
        }
        tables[0].reset();
        tables[1].reset();
        EXPECT_EQ(MovesOnDisk(dir.filePath("Stats.bin")), onDisk) << steps;
    }
}

// A file that cannot be read, or a file where the folder belongs, stays as it
// was: the save says where and why, once, and the record is written at the
// exit once the way is clear. A file read but no table is kept as
// Stats.bin.bad, over an older one.
TEST(Records, AFileInTheWayIsLeftAndTheSaveSaysWhy) {
    const std::pair<QString, QString> cases[] = {
        {"/proc/self/mem", ": it cannot be read (Input/output error), so it is not replaced"},
        {"folder", ": its folder cannot be created"},
        {"no table", ""},
    };
    for (const auto& [blocker, reason] : cases) {
        const QTemporaryDir dir;
        const QString path = dir.filePath("Slydra/Stats.bin");
        // What stands in the way, and is to be found as it was.
        const QString kept = blocker == "folder" ? dir.filePath("Slydra") : reason.isEmpty() ? path + ".bad" : path;
        if (blocker == "folder")
            Write(kept, blocker.toLatin1());
        else if (QDir(dir.path()).mkdir("Slydra") && blocker.startsWith('/'))
            QFile::link(blocker, path);
        else
            Write(path, blocker.toLatin1());
        if (reason.isEmpty())
            Write(kept, "older");
        std::optional<CScoreTable> table(path);
        table->SetMovesRecord(0, 5, "Ada");
        EXPECT_EQ(table->SaveStats(), reason.isEmpty());
        const QString told = "The records could not be saved to " + path + reason + ". Slydra will try again when a "
                             "record changes and when it closes.";
        EXPECT_EQ(table->TakeUntoldFailure(), reason.isEmpty() ? QString() : told);
        QFile file(kept);
        EXPECT_TRUE(file.symLinkTarget() == blocker || (file.open(QIODevice::ReadOnly) && file.readAll() == blocker))
            << blocker.toStdString();
        QFile::remove(kept);
        table.reset();
        EXPECT_EQ(MovesOnDisk(path), "5 Ada 9999 Anonymous 9999 Anonymous ") << blocker.toStdString();
    }
}
