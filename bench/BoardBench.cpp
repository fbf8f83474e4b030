// Dealing a new game: the reset and the 8013-step random walk of the blank,
// beside the 8013 numbers the walk draws.
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

// The numbers alone: /0 from the walk's own generator, /1 through srand and
// rand, which take a process-wide lock for every number.
void BM_Limit_Draws8013(benchmark::State& state)
{
    const bool bRand = state.range(0) == 1;
    CRuntimeRandom random;
    unsigned int nSeed = 1;
    for (auto _ : state) {
        bRand ? std::srand(nSeed) : random.Seed(nSeed);
        ++nSeed;
        int nSum = 0;
        for (int i = 0; i < CBoard::kScrambleSteps; ++i)
            nSum += (bRand ? std::rand() : random.Next()) & 3;
        benchmark::DoNotOptimize(nSum);
    }
}
BENCHMARK(BM_Limit_Draws8013)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
