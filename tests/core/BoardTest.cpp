#include "board/Board.h"
#include "board/RandomSource.h"
#include "tests/ZeroRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

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

// 3x3 boards as nine digits, cell 0 first, 8 the blank.
std::vector<int> Cells(const std::string& digits) {
    std::vector<int> cells;
    for (char digit : digits)
        cells.push_back(digit - '0');
    return cells;
}

} // namespace

// Slides in each direction from each side of the grid, and taps that move nothing, off the grid too.
TEST(Board, MoveSlidesOnlyATileThatSharesAnEdgeWithTheBlank) {
    const std::tuple<std::string, int, int, std::string> table[] = {
        {"012385674", 0, 1, "082315674"}, {"012385674", 1, 0, "012835674"}, {"012385674", 1, 2, "012358674"},
        {"012385674", 2, 1, "012375684"}, {"012345678", 2, 1, "012345687"}, {"012345678", 1, 2, "012348675"},
        {"812345670", 0, 1, "182345670"}, {"812345670", 1, 0, "312845670"}, {"012345687", 2, 2, "012345678"},
        {"012345678", 0, 0, "012345678"}, {"012345678", 2, 2, "012345678"}, {"012385674", 0, 0, "012385674"},
        {"012845673", 0, 2, "012845673"},
        {"012345678", 2, 3, "012345678"}, {"012345678", 3, 2, "012345678"}, {"812345670", -1, 0, "812345670"},
        {"812345670", 0, -1, "812345670"},
    };
    CBoard board;
    for (const auto& [before, row, col, after] : table) {
        board.m_cells = Cells(before);
        EXPECT_EQ(board.Move(row, col), before != after) << before;
        EXPECT_EQ(board.m_cells, Cells(after)) << before << " tap " << row << "," << col;
        EXPECT_EQ(board.IsSolved(), after == "012345678") << after;
    }
}

// Zeros follow the first entry of each list; the example generator reaches
// every entry of every list, so its boards pin the order of all of them. The
// same seed over another game deals the same board.
TEST(Scramble, InjectedGeneratorsDealTheKnownBoards) {
    CZeroRandom zeros;
    CExampleRandom example;
    const std::tuple<CRandomSource*, int, std::vector<int>> table[] = {
        {&zeros, 3, {0, 8, 1, 3, 4, 2, 6, 7, 5}},
        {&zeros, 4, {1, 15, 2, 3, 0, 5, 6, 7, 4, 9, 10, 11, 8, 12, 13, 14}},
        {&zeros, 5, {0, 1, 2, 24, 4, 5, 6, 7, 3, 9, 10, 11, 12, 8, 13, 15, 16, 17, 18, 14, 20, 21, 22, 23, 19}},
        {&example, 3, {3, 0, 7, 8, 1, 2, 6, 4, 5}},
        {&example, 4, {5, 13, 9, 3, 15, 2, 8, 7, 10, 6, 12, 4, 1, 11, 0, 14}},
        {&example, 5, {15, 0, 13, 21, 12, 24, 8, 1, 2, 19, 17, 5, 6, 22, 23, 3, 9, 20, 10, 11, 16, 14, 4, 18, 7}},
    };
    CBoard board;
    for (const auto& [pRandom, nSize, cells] : table) {
        board.SetSize(nSize);
        board.Scramble(*pRandom, 1);
        EXPECT_EQ(board.m_cells, cells);
        board.Scramble(*pRandom, 2);
        board.Scramble(*pRandom, 1);
        EXPECT_EQ(board.m_cells, cells);
    }
}
