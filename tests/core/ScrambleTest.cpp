#include "BoardChecks.h"
#include "board/RandomSource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

// A repeatable generator that does not depend on the C runtime's.
class CSeededRandom : public CRandomSource
{
public:
    void Seed(unsigned int nSeed) override { m_engine.seed(nSeed); }
    int Next() override { return static_cast<int>(m_engine() >> 1); }

private:
    std::mt19937 m_engine;
};

} // namespace

TEST(Scramble, GeneratorOfZerosGivesTheKnownBoards)
{
    // The blank follows the first entry of each list. 4x4 goes 15, 14, 13,
    // 12, 8, 4, 0, 1, then bounces between 0 and 1, ending on 1 after an odd
    // count; 5x5 goes 24, 19, 14, 13, 8, 3, then between 8 and 3.
    CBoard board;
    CZeroRandom zero;
    board.Scramble(zero, 0);
    EXPECT_EQ(board.m_cells, (std::vector<int>{0, 8, 1, 3, 4, 2, 6, 7, 5}));
    board.SetSize(4);
    board.Scramble(zero, 0);
    EXPECT_EQ(board.m_cells, (std::vector<int>{1, 15, 2, 3, 0, 5, 6, 7, 4, 9, 10, 11, 8, 12, 13, 14}));
    board.SetSize(5);
    board.Scramble(zero, 0);
    int row = 0, col = 0;
    board.FindBlank(row, col);
    EXPECT_EQ(row * 5 + col, 3);
}

TEST(Scramble, EveryBoardIsASolvablePermutationWithTheBlankOnAnOddCell)
{
    CBoard board;
    CRuntimeRandom runtime;
    CSeededRandom seeded;
    for (int n : {3, 4, 5}) {
        board.SetSize(n);
        for (unsigned int seed = 0; seed < 40; ++seed) {
            CRandomSource& random = seed % 2 ? static_cast<CRandomSource&>(runtime) : seeded;
            board.Scramble(random, seed * 7919u);
            ASSERT_TRUE(BoardChecks::Solvable(board)) << n << "x" << n << " seed " << seed;
            int row = 0, col = 0;
            board.FindBlank(row, col);
            EXPECT_EQ((row + col) % 2, 1) << n << "x" << n << " seed " << seed;
            EXPECT_FALSE(board.IsSolved());
            EXPECT_EQ(board.m_nSize, n);
            EXPECT_EQ(board.m_nBlank, n * n - 1);
        }
    }
}

TEST(Scramble, SameSeedSameBoardWhateverTheBoardHeldBefore)
{
    CBoard board;
    CRuntimeRandom runtime;
    for (int n : {3, 4, 5}) {
        board.SetSize(n);
        board.Scramble(runtime, 1234u);
        const std::vector<int> first = board.m_cells;
        board.Scramble(runtime, 99u);
        ASSERT_NE(board.m_cells, first);
        board.Scramble(runtime, 1234u);
        EXPECT_EQ(board.m_cells, first);
    }
}

// The game deals from the C runtime's generator; a copy of it that drifted
// from srand and rand would deal other boards than before.
TEST(Scramble, TheRuntimeGeneratorDealsTheNumbersOfSrandAndRand)
{
    CRuntimeRandom runtime;
    for (unsigned int seed : {0u, 1u, 1234u, 0x7fffffffu, 0xffffffffu}) {
        runtime.Seed(seed);
        std::srand(seed);
        for (int i = 0; i < 3 * CBoard::kScrambleSteps; ++i)
            ASSERT_EQ(runtime.Next(), std::rand()) << "seed " << seed << ", number " << i;
    }
    // Reseeding starts the sequence over, as srand does.
    runtime.Seed(99u);
    const int first = runtime.Next();
    runtime.Next();
    runtime.Seed(99u);
    EXPECT_EQ(runtime.Next(), first);
}
