#include "board/Board.h"
#include "board/RandomSource.h"
#include "tests/ZeroRandom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

namespace {

// The example generator of the C standard: its numbers, from seed 1, reach
// every entry of every neighbour list in a walk of 8013 steps.
struct CExampleRandom : CRandomSource {
    unsigned int m_nNext = 1;
    void Seed(unsigned int nSeed) override { m_nNext = nSeed; }
    int Next() override {
        m_nNext = m_nNext * 1103515245u + 12345u;
        return static_cast<int>((m_nNext / 65536u) % 32768u);
    }
};

// The board as a player reads its letters, row by row; the last letter (I, P
// or Y) is the blank.
std::string Letters(const CBoard& board) {
    std::string letters;
    for (int cell = 0; cell < board.m_nSize * board.m_nSize; ++cell)
        letters += static_cast<char>('A' + board.GetAt(cell / board.m_nSize, cell % board.m_nSize));
    return letters;
}

} // namespace

// Taps on a 3x3 board in home order (ABCDEFGHI, I the blank), each a row and
// a column (- for -1): slides each way, from the top and left edges too, and a
// last tap that moves nothing: a tile not beside the blank, diagonal to it,
// the blank itself, the cell before it across a row's end, cells off the grid
// beside it.
TEST(Board, MoveSlidesOnlyATileThatSharesAnEdgeWithTheBlank) {
    const std::pair<std::string, std::string> table[] = {
        {"12", "ABCDEIGHF"},          {"21", "ABCDEFGIH"},          {"12 22", "ABCDEFGHI"},
        {"21 22", "ABCDEFGHI"},       {"12 11 10", "ABCIDEGHF"},    {"12 02 01 00 10", "DABIECGHF"},
        {"12 02 01 00 01", "AIBDECGHF"},                            {"00", "ABCDEFGHI"},
        {"11", "ABCDEFGHI"},          {"22", "ABCDEFGHI"},          {"12 11 10 02", "ABCIDEGHF"},
        {"23", "ABCDEFGHI"},          {"32", "ABCDEFGHI"},          {"12 02 01 00 -0", "IABDECGHF"},
        {"12 02 01 00 0-", "IABDECGHF"},
    };
    for (const auto& [taps, after] : table) {
        CBoard board;
        for (std::size_t i = 0; i < taps.size(); i += 3)
            board.Move(taps[i] == '-' ? -1 : taps[i] - '0', taps[i + 1] == '-' ? -1 : taps[i + 1] - '0');
        EXPECT_EQ(Letters(board), after) << taps;
        EXPECT_EQ(board.IsSolved(), after == "ABCDEFGHI") << taps;
    }
}

// Zeros follow the first entry of each list; the example generator reaches
// every entry of every list, so its boards pin the order of all of them. The
// same seed over another game deals the same board.
TEST(Scramble, InjectedGeneratorsDealTheKnownBoards) {
    CZeroRandom zeros;
    CExampleRandom example;
    const std::tuple<CRandomSource*, int, std::string> table[] = {
        {&zeros, 3, "AIBDECGHF"},                 {&example, 3, "DAHIBCGEF"},
        {&zeros, 4, "BPCDAFGHEJKLIMNO"},          {&example, 4, "FNJDPCIHKGMEBLAO"},
        {&zeros, 5, "ABCYEFGHDJKLMINPQRSOUVWXT"}, {&example, 5, "PANVMYIBCTRFGWXDJUKLQOESH"},
    };
    CBoard board;
    for (const auto& [pRandom, nSize, letters] : table) {
        board.SetSize(nSize);
        board.Scramble(*pRandom, 1);
        EXPECT_EQ(Letters(board), letters);
        board.Scramble(*pRandom, 2);
        board.Scramble(*pRandom, 1);
        EXPECT_EQ(Letters(board), letters);
    }
}

// Every deal of the runtime's generator, for a hundred seeds at each size,
// can be solved and is not solved yet. Solvable by the puzzle's parity rule: the
// pairs of tiles out of order (the blank left out), and on a grid of even size
// the blank's row counted from 1, add up to an even number, as they do in home
// order, and no slide changes that sum's parity.
TEST(Scramble, EveryDealCanBeSolvedAndIsNotSolvedYet) {
    CRuntimeRandom random;
    CBoard board;
    for (int nDeal = 0; nDeal < 300; ++nDeal) {
        board.SetSize(3 + nDeal % 3);
        board.Scramble(random, static_cast<unsigned int>(nDeal));
        const std::string letters = Letters(board);
        const std::size_t blank = letters.find(static_cast<char>('A' + board.m_nBlank));
        int sum = board.m_nSize % 2 == 0 ? static_cast<int>(blank) / board.m_nSize + 1 : 0;
        for (std::size_t i = 0; i < letters.size(); ++i)
            for (std::size_t j = i + 1; j < letters.size() && i != blank; ++j)
                sum += letters[j] < letters[i] ? 1 : 0;
        EXPECT_EQ(sum % 2, 0) << letters;
        EXPECT_FALSE(board.IsSolved()) << letters;
    }
}

// The runtime's generator deals the numbers of srand and rand, on a state of its own.
TEST(Scramble, TheRuntimeGeneratorDealsWhatSrandAndRandDeal) {
    CRuntimeRandom random;
    for (unsigned int nSeed : {0u, 1u, 4242u}) {
        random.Seed(nSeed);
        std::srand(nSeed);
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(random.Next(), std::rand()) << "seed " << nSeed << ", number " << i;
    }
}
