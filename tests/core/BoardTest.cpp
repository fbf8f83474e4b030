#include "BoardChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using BoardChecks::HomeOrder;

TEST(Board, EachSizeStartsInHomeOrderWithTheLastTileAsBlank)
{
    CBoard board;
    EXPECT_EQ(board.m_nSize, 3);
    // The new board as built, then each size set over a disturbed board.
    for (int n : {3, 4, 5, 3}) {
        if (n != board.m_nSize) {
            board.SetAt(0, 0, 1);
            board.SetSize(n);
        }
        EXPECT_EQ(board.m_nBlank, n * n - 1);
        EXPECT_EQ(board.m_cells, HomeOrder(n));
        EXPECT_TRUE(board.IsSolved());
        int row = -7, col = -7;
        board.FindBlank(row, col);
        EXPECT_EQ(row, n - 1);
        EXPECT_EQ(col, n - 1);

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
        EXPECT_FALSE(board.Move(0, 0));
        EXPECT_FALSE(board.Move(n - 1, n - 1)) << "the blank itself";
        EXPECT_FALSE(board.Move(n - 2, n - 2)) << "diagonal to the blank";
        EXPECT_EQ(board.m_cells, HomeOrder(n));

        EXPECT_TRUE(board.Move(n - 1, n - 2));
        EXPECT_EQ(board.GetAt(n - 1, n - 1), n * n - 2);
        EXPECT_EQ(board.GetAt(n - 1, n - 2), n * n - 1);
        EXPECT_FALSE(board.IsSolved()) << "every tile but the blank and its neighbour at home";

        EXPECT_TRUE(board.Move(n - 1, n - 1));
        EXPECT_TRUE(board.IsSolved());

        EXPECT_TRUE(board.Move(n - 2, n - 1)) << "the tile above the blank";
        int row = 0, col = 0;
        board.FindBlank(row, col);
        EXPECT_EQ(row, n - 2);
        EXPECT_EQ(col, n - 1);
    }
}

TEST(Board, NeighbourListsHoldExactlyTheEdgeSharingCellsInTheirOrder)
{
    CBoard board;
    auto check = [](const auto& table, int n) {
        ASSERT_EQ(table.size(), static_cast<std::size_t>(n * n));
        for (int cell = 0; cell < n * n; ++cell) {
            std::vector<int> expected;
            for (int other = 0; other < n * n; ++other) {
                if (std::abs(other / n - cell / n) + std::abs(other % n - cell % n) == 1)
                    expected.push_back(other);
            }
            std::vector<int> sorted = table[static_cast<std::size_t>(cell)];
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, expected) << n << "x" << n << " cell " << cell;
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
