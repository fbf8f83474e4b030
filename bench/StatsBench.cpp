// Reading and writing the stats file through the score table, beside plain
// writes of the same 156 bytes.
#include "app/Game.h"
#include "scores/ScoreTable.h"

#include <QLockFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdio>

namespace {

QString StatsPath(const char* pszName)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(pszName));
}

void BM_LoadStats(benchmark::State& state)
{
    CScoreTable table(StatsPath("load/Stats.bin"));
    table.SetMovesRecord(1, 123, QStringLiteral("Ingrid"));
    table.SaveStats();
    for (auto _ : state)
        table.LoadStats();
    int nMoves = 0;
    QString strName;
    if (!table.GetMovesRecord(1, nMoves, strName) || nMoves != 123)
        state.SkipWithError("the stats file was not read back");
}
BENCHMARK(BM_LoadStats)->Unit(benchmark::kMicrosecond);

// The usual exit: no record fell, and the file already holds the table.
void BM_SaveStats_Unchanged(benchmark::State& state)
{
    CScoreTable table(StatsPath("unchanged/Stats.bin"));
    table.SaveStats();
    for (auto _ : state)
        table.SaveStats();
}
BENCHMARK(BM_SaveStats_Unchanged)->Unit(benchmark::kMicrosecond);

// An exit after a new record: every save writes the file.
void BM_SaveStats_NewRecord(benchmark::State& state)
{
    CScoreTable table(StatsPath("record/Stats.bin"));
    int nMoves = 0;
    for (auto _ : state) {
        table.SetMovesRecord(0, ++nMoves, QStringLiteral("Ingrid"));
        table.SaveStats();
    }
}
BENCHMARK(BM_SaveStats_NewRecord)->Unit(benchmark::kMicrosecond);

// A won game that sets a record and then names it: two saves, each read
// again under the lock and written through QSaveFile.
void BM_SaveStats_WinAndName(benchmark::State& state)
{
    CScoreTable table(StatsPath("win/Stats.bin"));
    // Each run beats the record the run before left on disk.
    static int nMoves = 9999;
    for (auto _ : state) {
        table.OfferResult(0, --nMoves, 3599, &CGame::RecordsBeaten);
        table.NameRecords(QStringLiteral("Ingrid"));
    }
}
BENCHMARK(BM_SaveStats_WinAndName)->Unit(benchmark::kMicrosecond);

// The lock every save takes, alone: made beside the stats file and removed.
void BM_Limit_Lock(benchmark::State& state)
{
    QLockFile lock(StatsPath("Stats.bin.lock"));
    for (auto _ : state) {
        lock.tryLock(500);
        lock.unlock();
    }
}
BENCHMARK(BM_Limit_Lock)->Unit(benchmark::kMicrosecond);

#ifdef Q_OS_LINUX
// A save that replaces the old file only once the new one is complete: 156
// bytes written beside it, then renamed over it; /1 also waits for the disk
// to hold the data before the rename, so that a power cut leaves one whole file.
void BM_Limit_WriteFile(benchmark::State& state)
{
    const QByteArray path = StatsPath("Limit.bin").toLocal8Bit();
    const QByteArray temp = path + ".new";
    const char bytes[156] = {};
    for (auto _ : state) {
        const int fd = open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        benchmark::DoNotOptimize(write(fd, bytes, sizeof bytes));
        if (state.range(0) == 1)
            fdatasync(fd);
        close(fd);
        std::rename(temp.constData(), path.constData());
    }
}
BENCHMARK(BM_Limit_WriteFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
#endif

} // namespace
