#include "board/Board.h"

#include "board/RandomSource.h"

CBoard::CBoard()
{
    BuildNeighbourTables();
    SetSize(3);
}

// The order within each list is not geometric; the scramble picks entries by
// position, so this order decides which board a given seed deals.
void CBoard::BuildNeighbourTables()
{
    m_adj3 = {{1, 3}, {0, 2, 4}, {1, 5},
              {0, 4, 6}, {1, 5, 7, 3}, {2, 4, 8},
              {3, 7}, {6, 4, 8}, {5, 7}};
    m_adj4 = {{1, 4}, {0, 5, 2}, {1, 6, 3}, {2, 7},
              {0, 5, 8}, {1, 6, 9, 4}, {2, 7, 10, 5}, {3, 6, 11},
              {4, 9, 12}, {5, 10, 13, 8}, {6, 11, 14, 9}, {7, 10, 15},
              {8, 13}, {12, 9, 14}, {13, 10, 15}, {14, 11}};
    m_adj5 = {{1, 5}, {2, 6, 0}, {1, 7, 3}, {8, 2, 4}, {3, 9},
              {6, 10, 0}, {1, 7, 11, 5}, {2, 6, 12, 8}, {3, 13, 9, 7}, {4, 8, 14},
              {5, 11, 15}, {6, 12, 16, 10}, {7, 11, 17, 13}, {8, 18, 12, 14}, {13, 19, 9},
              {10, 16, 20}, {11, 21, 15, 17}, {16, 22, 18, 12}, {13, 23, 19, 17}, {14, 24, 18},
              {15, 21}, {20, 16, 22}, {17, 21, 23}, {18, 22, 24}, {19, 23}};
}

void CBoard::SetSize(int nSize)
{
    m_nSize = nSize;
    m_nBlank = nSize * nSize - 1;
    m_cells.clear();
    m_cells.resize(static_cast<std::size_t>(nSize * nSize));
    Reset();
}

void CBoard::Reset()
{
    for (std::size_t c = 0; c < m_cells.size(); ++c)
        m_cells[c] = static_cast<int>(c);
}

int CBoard::GetAt(int nRow, int nCol) const
{
    if (nRow < 0 || nRow >= m_nSize || nCol < 0 || nCol >= m_nSize)
        return -1;
    return m_cells[static_cast<std::size_t>(nRow * m_nSize + nCol)];
}

void CBoard::SetAt(int nRow, int nCol, int nTile)
{
    const int nCell = nRow * m_nSize + nCol;
    if (nCell >= 0 && nCell < m_nSize * m_nSize)
        m_cells[static_cast<std::size_t>(nCell)] = nTile;
}

bool CBoard::Move(int nRow, int nCol)
{
    if (GetAt(nRow, nCol) < 0)
        return false;
    struct Step { int dRow, dCol; bool inside; };
    const Step steps[] = {
        {-1, 0, nRow > 0},
        {0, 1, nCol < m_nSize - 1},
        {0, -1, nCol > 0},
        {1, 0, nRow < m_nSize - 1},
    };
    for (const Step& step : steps) {
        if (!step.inside)
            continue;
        const int nNextRow = nRow + step.dRow;
        const int nNextCol = nCol + step.dCol;
        if (GetAt(nNextRow, nNextCol) == m_nBlank) {
            SetAt(nNextRow, nNextCol, GetAt(nRow, nCol));
            SetAt(nRow, nCol, m_nBlank);
            return true;
        }
    }
    return false;
}

void CBoard::FindBlank(int& nRow, int& nCol) const
{
    for (int i = 0; i < m_nSize * m_nSize; ++i) {
        if (m_cells[static_cast<std::size_t>(i)] == m_nBlank) {
            nRow = i / m_nSize;
            nCol = i % m_nSize;
        }
    }
}

bool CBoard::IsSolved() const
{
    for (std::size_t c = 0; c < m_cells.size(); ++c) {
        if (m_cells[c] != static_cast<int>(c))
            return false;
    }
    return true;
}

void CBoard::Scramble(CRandomSource& random, unsigned int nSeed)
{
    random.Seed(nSeed);
    if (m_nSize == 4)
        Walk(m_adj4, random);
    else if (m_nSize == 5)
        Walk(m_adj5, random);
    else
        Walk(m_adj3, random);
}

// The blank starts bottom right (row + column even) and takes an odd number of
// steps, so it always ends on a cell whose row + column is odd: never solved.
void CBoard::Walk(const NeighbourTable& table, CRandomSource& random)
{
    Reset();
    if (m_cells.size() != table.size())
        return;
    std::size_t nBlankCell = table.size() - 1;
    for (int step = 0; step < kScrambleSteps; ++step) {
        const std::vector<int>& neighbours = table[nBlankCell];
        const auto k = static_cast<std::size_t>(random.Next()) % neighbours.size();
        const auto nCell = static_cast<std::size_t>(neighbours[k]);
        m_cells[nBlankCell] = m_cells[nCell];
        m_cells[nCell] = m_nBlank;
        nBlankCell = nCell;
    }
}
