#include "board/Board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

std::vector<int> HomeOrder(int n)
{
    std::vector<int> cells(static_cast<std::size_t>(n * n));
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<int>(i);
    return cells;
}

// The cells that share an edge with a cell, whatever their order.
std::vector<int> EdgeNeighbours(int cell, int n)
{
    const int row = cell / n;
    const int col = cell % n;
    std::vector<int> result;
    if (row > 0) result.push_back(cell - n);
    if (row < n - 1) result.push_back(cell + n);
    if (col > 0) result.push_back(cell - 1);
    if (col < n - 1) result.push_back(cell + 1);
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace

TEST(Board, NewBoardIsThreeByThreeInHomeOrder)
{
    CBoard board;
    EXPECT_EQ(board.m_nSize, 3);
    EXPECT_EQ(board.m_nBlank, 8);
    EXPECT_EQ(board.m_cells, HomeOrder(3));
    EXPECT_TRUE(board.IsSolved());
}

TEST(Board, SetSizeGivesHomeOrderAndTheLastTileAsBlank)
{
    CBoard board;
    for (int n : {4, 5, 3}) {
        board.SetAt(0, 0, 1);
        board.SetSize(n);
        EXPECT_EQ(board.m_nBlank, n * n - 1);
        EXPECT_EQ(board.m_cells, HomeOrder(n));
        int row = -7, col = -7;
        board.FindBlank(row, col);
        EXPECT_EQ(row, n - 1);
        EXPECT_EQ(col, n - 1);
    }
}

TEST(Board, GetAtOutsideTheGridIsMinusOne)
{
    CBoard board;
    for (int n : {3, 4, 5}) {
        board.SetSize(n);
        EXPECT_EQ(board.GetAt(-1, 0), -1);
        EXPECT_EQ(board.GetAt(0, -1), -1);
        EXPECT_EQ(board.GetAt(n, 0), -1);
        EXPECT_EQ(board.GetAt(0, n), -1);
        EXPECT_EQ(board.GetAt(n - 1, n - 1), n * n - 1);
    }
}

TEST(Board, MoveSlidesOnlyATileNextToTheBlank)
{
    CBoard board;
    for (int n : {3, 4, 5}) {
        board.SetSize(n);
        const auto home = HomeOrder(n);

        EXPECT_FALSE(board.Move(0, 0));
        EXPECT_FALSE(board.Move(n - 1, n - 1)) << "the blank itself";
        EXPECT_FALSE(board.Move(n - 2, n - 2)) << "diagonal to the blank";
        EXPECT_EQ(board.m_cells, home);

        EXPECT_TRUE(board.Move(n - 1, n - 2));
        EXPECT_EQ(board.GetAt(n - 1, n - 1), n * n - 2);
        EXPECT_EQ(board.GetAt(n - 1, n - 2), n * n - 1);
        EXPECT_FALSE(board.IsSolved());

        EXPECT_TRUE(board.Move(n - 1, n - 1));
        EXPECT_TRUE(board.IsSolved());

        EXPECT_TRUE(board.Move(n - 2, n - 1)) << "the tile above the blank";
        int row = 0, col = 0;
        board.FindBlank(row, col);
        EXPECT_EQ(row, n - 2);
        EXPECT_EQ(col, n - 1);
    }
}

TEST(Board, SolvedNeedsTheBlankBottomRight)
{
    CBoard board;
    board.SetSize(4);
    // Every tile but the blank at home is impossible; swapping the blank with
    // its home still breaks the order.
    std::swap(board.m_cells[14], board.m_cells[15]);
    EXPECT_FALSE(board.IsSolved());
}

TEST(Board, NeighbourListsHoldExactlyTheEdgeSharingCellsInTheirOrder)
{
    CBoard board;
    auto check = [](const auto& table, int n) {
        ASSERT_EQ(table.size(), static_cast<std::size_t>(n * n));
        for (int cell = 0; cell < n * n; ++cell) {
            std::vector<int> sorted = table[static_cast<std::size_t>(cell)];
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, EdgeNeighbours(cell, n)) << n << "x" << n << " cell " << cell;
        }
    };
    check(board.m_adj3, 3);
    check(board.m_adj4, 4);
    check(board.m_adj5, 5);

    // The order decides which board a seed deals; a few that are not geometric.
    EXPECT_EQ(board.m_adj3[4], (std::vector<int>{1, 5, 7, 3}));
    EXPECT_EQ(board.m_adj3[7], (std::vector<int>{6, 4, 8}));
    EXPECT_EQ(board.m_adj4[1], (std::vector<int>{0, 5, 2}));
    EXPECT_EQ(board.m_adj4[13], (std::vector<int>{12, 9, 14}));
    EXPECT_EQ(board.m_adj5[3], (std::vector<int>{8, 2, 4}));
    EXPECT_EQ(board.m_adj5[13], (std::vector<int>{8, 18, 12, 14}));
    EXPECT_EQ(board.m_adj5[17], (std::vector<int>{16, 22, 18, 12}));
}
