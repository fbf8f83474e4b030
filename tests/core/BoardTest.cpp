#include "board/Board.h"
#include "board/RandomSource.h"

#include <gtest/gtest.h>

#include <tuple>

// Always draws 0: each step of the scramble takes the first neighbour.
struct CZeroRandom : CRandomSource { void Seed(unsigned int) override {} int Next() override { return 0; } };

// Each size is set over a board that a slide took out of home order.
TEST(Board, SetSizeAndResetGiveHomeOrderAndCellsOutsideTheGridHoldNoTile)
{
    CBoard board;
    for (int n : {3, 4, 5, 3}) {
        int row = -1, col = -1;
        board.FindBlank(row, col);
        EXPECT_EQ(std::tuple(board.IsSolved(), board.m_cells.size(), board.m_nBlank, row, col),
                  std::tuple(true, static_cast<std::size_t>(n * n), n * n - 1, n - 1, n - 1));
        EXPECT_EQ(std::tuple(board.GetAt(-1, 0), board.GetAt(0, -1), board.GetAt(n, 0), board.GetAt(0, n)), std::tuple(-1, -1, -1, -1));
        ASSERT_TRUE(board.Move(n - 2, n - 1));
        board.SetSize(n == 5 ? 3 : n + 1);
    }
    board.Move(2, 3);
    board.Reset();
    EXPECT_TRUE(board.IsSolved());
}

// 3x3 boards as nine digits, cell 0 first, 8 the blank: slides in each
// direction from each side of the grid, and taps that move nothing.
TEST(Board, MoveSlidesOnlyATileThatSharesAnEdgeWithTheBlank)
{
    const struct { const char* before; int row, col; const char* after; } table[] = {
        {"012385674", 0, 1, "082315674"}, {"012385674", 1, 0, "012835674"}, {"012385674", 1, 2, "012358674"},
        {"012385674", 2, 1, "012375684"}, {"012345678", 2, 1, "012345687"}, {"012345678", 1, 2, "012348675"},
        {"812345670", 0, 1, "182345670"}, {"812345670", 1, 0, "312845670"}, {"012345687", 2, 2, "012345678"},
        {"012345678", 0, 0, nullptr}, {"012345678", 2, 2, nullptr}, {"012385674", 0, 0, nullptr}, {"012845673", 0, 2, nullptr},
    };
    auto cells = [](const char* digits) { std::vector<int> v; for (; *digits; ++digits) v.push_back(*digits - '0'); return v; };
    CBoard board;
    for (const auto& t : table) {
        board.m_cells = cells(t.before);
        const bool bMoved = board.Move(t.row, t.col);
        EXPECT_EQ(std::tuple(bMoved, board.m_cells, board.IsSolved()), std::tuple(t.after != nullptr, cells(t.after ? t.after : t.before), board.m_cells == cells("012345678")))
            << t.before << " tap " << t.row << "," << t.col;
    }
}

// Zeros follow the first entry of each neighbour list. Seed 1 walks through
// every entry of every list, so its boards pin the order of all the lists, and
// they are the boards srand(1) and rand deal: a generator that drifted from the
// C runtime's would deal others. The same seed over another game deals the same.
TEST(Scramble, GeneratorsOfZerosAndSeedOneDealTheKnownBoards)
{
    const std::vector<int> table[] = {
        {0, 8, 1, 3, 4, 2, 6, 7, 5},
        {1, 15, 2, 3, 0, 5, 6, 7, 4, 9, 10, 11, 8, 12, 13, 14},
        {0, 1, 2, 24, 4, 5, 6, 7, 3, 9, 10, 11, 12, 8, 13, 15, 16, 17, 18, 14, 20, 21, 22, 23, 19},
        {1, 8, 6, 2, 0, 7, 4, 5, 3},
        {2, 15, 0, 10, 8, 9, 3, 6, 4, 13, 7, 14, 11, 5, 1, 12},
        {12, 10, 18, 22, 7, 9, 1, 24, 19, 15, 13, 14, 3, 11, 16, 8, 17, 21, 6, 23, 2, 5, 20, 0, 4},
    };
    CBoard board;
    CZeroRandom zeros;
    CRuntimeRandom runtime;
    for (const std::vector<int>& cells : table) {
        CRandomSource& random = &cells < table + 3 ? static_cast<CRandomSource&>(zeros) : runtime;
        board.SetSize(cells.size() == 9 ? 3 : cells.size() == 16 ? 4 : 5);
        board.Scramble(random, 1);
        EXPECT_EQ(board.m_cells, cells);
        board.Scramble(random, 2);
        board.Scramble(random, 1);
        EXPECT_EQ(board.m_cells, cells);
    }
}
