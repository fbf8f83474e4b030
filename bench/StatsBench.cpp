// Reading and writing the stats file through the score table, beside a bare
// read and write of the same 156 bytes.
#include "BenchFiles.h"
#include "BenchTargets.h"

#include "scores/ScoreTable.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

QString StatsPath(const char* pszName)
{
    return QDir(CBenchFiles::Folder()).filePath(QString::fromLatin1(pszName));
}

void BM_LoadStats(benchmark::State& state)
{
    const QString strPath = StatsPath("load/Stats.bin");
    CScoreTable table(strPath);
    table.SetMovesRecord(1, 123, QStringLiteral("Ingrid"));
    table.SaveStats();
    if (!QFile::exists(strPath))
        state.SkipWithError("the stats file was not written");
    for (auto _ : state)
        table.LoadStats();
    benchmark::DoNotOptimize(table.m_nLeastMoves[1]);
}
BENCHMARK(BM_LoadStats)->Unit(benchmark::kMicrosecond);

// The usual exit: no record fell, and the file already holds the table.
void BM_SaveStats_Unchanged(benchmark::State& state)
{
    CScoreTable table(StatsPath("save/Stats.bin"));
    table.SaveStats();
    for (auto _ : state)
        table.SaveStats();
}
BENCHMARK(BM_SaveStats_Unchanged)->Unit(benchmark::kMicrosecond);

// An exit after a new record: every save writes the file.
void BM_SaveStats_NewRecord(benchmark::State& state)
{
    CScoreTable table(StatsPath("save/Stats.bin"));
    int nMoves = 0;
    for (auto _ : state) {
        table.SetMovesRecord(0, ++nMoves, QStringLiteral("Ingrid"));
        table.SaveStats();
    }
}
BENCHMARK(BM_SaveStats_NewRecord)->Unit(benchmark::kMicrosecond);

// ---- the physical limits ----------------------------------------------------

std::string DefaultBytes()
{
    const QString strPath = StatsPath("bytes/Stats.bin");
    { CScoreTable table(strPath); }
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void BM_Limit_ReadFile(benchmark::State& state)
{
    const std::string strBytes = DefaultBytes();
    const QByteArray path = StatsPath("bytes/Stats.bin").toLocal8Bit();
    char buffer[4096];
    for (auto _ : state) {
        const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
        benchmark::DoNotOptimize(read(fd, buffer, sizeof buffer));
        close(fd);
    }
}
BENCHMARK(BM_Limit_ReadFile)->Unit(benchmark::kMicrosecond);

void BM_Limit_WriteFile(benchmark::State& state)
{
    const std::string strBytes = DefaultBytes();
    const QByteArray path = StatsPath("bytes/Plain.bin").toLocal8Bit();
    for (auto _ : state) {
        const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        benchmark::DoNotOptimize(write(fd, strBytes.data(), strBytes.size()));
        close(fd);
    }
}
BENCHMARK(BM_Limit_WriteFile)->Unit(benchmark::kMicrosecond);

// A write that replaces the old file only when it is complete: beside it,
// then renamed over it.
void BM_Limit_WriteFileAndRename(benchmark::State& state)
{
    const std::string strBytes = DefaultBytes();
    const QByteArray path = StatsPath("bytes/Renamed.bin").toLocal8Bit();
    const QByteArray temp = path + ".new";
    for (auto _ : state) {
        const int fd = open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        benchmark::DoNotOptimize(write(fd, strBytes.data(), strBytes.size()));
        close(fd);
        std::rename(temp.constData(), path.constData());
    }
}
BENCHMARK(BM_Limit_WriteFileAndRename)->Unit(benchmark::kMicrosecond);

// A write that survives a crash whole: beside the old file, flushed to the
// disk, renamed over it.
void BM_Limit_WriteFileDurably(benchmark::State& state)
{
    const std::string strBytes = DefaultBytes();
    const QByteArray path = StatsPath("bytes/Durable.bin").toLocal8Bit();
    const QByteArray temp = path + ".new";
    for (auto _ : state) {
        const int fd = open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        benchmark::DoNotOptimize(write(fd, strBytes.data(), strBytes.size()));
        fdatasync(fd);
        close(fd);
        std::rename(temp.constData(), path.constData());
    }
}
BENCHMARK(BM_Limit_WriteFileDurably)->Unit(benchmark::kMicrosecond);

const bool kTargets = [] {
    CBenchTargets::Set("BM_LoadStats", 200e3);
    CBenchTargets::Set("BM_SaveStats_", 200e3);
    return true;
}();

} // namespace
