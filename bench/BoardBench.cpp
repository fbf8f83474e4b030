// Dealing a new game: the reset and the 8013-step random walk of the blank,
// beside the cost of the 8013 numbers the walk draws.
#include "BenchTargets.h"

#include "board/Board.h"
#include "board/RandomSource.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_Scramble(benchmark::State& state)
{
    CBoard board;
    board.SetSize(static_cast<int>(state.range(0)));
    CRuntimeRandom random;
    unsigned int nSeed = 1;
    for (auto _ : state) {
        board.Reset();
        board.Scramble(random, nSeed++);
        benchmark::DoNotOptimize(board.m_cells.data());
    }
}
BENCHMARK(BM_Scramble)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// The 8013 numbers the walk cannot do without, from the generator it uses.
void BM_Limit_Draws8013(benchmark::State& state)
{
    CRuntimeRandom random;
    unsigned int nSeed = 1;
    for (auto _ : state) {
        random.Seed(nSeed++);
        int nSum = 0;
        for (int i = 0; i < CBoard::kScrambleSteps; ++i)
            nSum += random.Next() & 3;
        benchmark::DoNotOptimize(nSum);
    }
}
BENCHMARK(BM_Limit_Draws8013)->Unit(benchmark::kMicrosecond);

// The same numbers through srand and rand, which lock around every number.
void BM_Reference_Rand8013(benchmark::State& state)
{
    unsigned int nSeed = 1;
    for (auto _ : state) {
        std::srand(nSeed++);
        int nSum = 0;
        for (int i = 0; i < CBoard::kScrambleSteps; ++i)
            nSum += std::rand() & 3;
        benchmark::DoNotOptimize(nSum);
    }
}
BENCHMARK(BM_Reference_Rand8013)->Unit(benchmark::kMicrosecond);

const bool kTargets = [] {
    CBenchTargets::Set("BM_Scramble/", 100e3);
    return true;
}();

} // namespace
