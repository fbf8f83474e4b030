#pragma once

#include "board/Board.h"
#include "board/RandomSource.h"

#include <vector>

// Always draws 0: each step of the scramble takes the first neighbour.
class CZeroRandom : public CRandomSource
{
public:
    void Seed(unsigned int) override {}
    int Next() override { return 0; }
};

// What holds for every board a game can show: each tile in one cell, and an
// order that slides can reach from home order.
namespace BoardChecks {

inline std::vector<int> HomeOrder(int nSize)
{
    std::vector<int> cells(static_cast<std::size_t>(nSize * nSize));
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<int>(i);
    return cells;
}

inline bool IsPermutation(const CBoard& board)
{
    std::vector<bool> seen(board.m_cells.size(), false);
    for (const int tile : board.m_cells) {
        if (tile < 0 || tile >= static_cast<int>(seen.size()) || seen[static_cast<std::size_t>(tile)])
            return false;
        seen[static_cast<std::size_t>(tile)] = true;
    }
    return board.m_cells.size() == static_cast<std::size_t>(board.m_nSize * board.m_nSize);
}

// The parity of the permutation equals that of the blank's distance from home.
inline bool Solvable(const CBoard& board)
{
    if (!IsPermutation(board))
        return false;
    std::vector<int> cells = board.m_cells;
    int nSwaps = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (; cells[i] != static_cast<int>(i); ++nSwaps)
            std::swap(cells[i], cells[static_cast<std::size_t>(cells[i])]);
    }
    int nRow = 0;
    int nCol = 0;
    board.FindBlank(nRow, nCol);
    return nSwaps % 2 == (2 * (board.m_nSize - 1) - nRow - nCol) % 2;
}

} // namespace BoardChecks
