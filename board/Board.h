#pragma once

#include <vector>

class CRandomSource;

// The puzzle's state: grid size, which tile lies in which cell, and the fixed
// neighbour lists of every cell for the three grid sizes.
class CBoard
{
public:
    static constexpr int kScrambleSteps = 8013;

    CBoard();

    void SetSize(int nSize);
    void Reset();
    int GetAt(int nRow, int nCol) const;
    void SetAt(int nRow, int nCol, int nTile);
    // Slides the tile at the cell into the blank when the two share an edge;
    // a cell off the grid moves nothing.
    bool Move(int nRow, int nCol);
    void FindBlank(int& nRow, int& nCol) const;
    bool IsSolved() const;
    // Deals a game: seeds the generator, then walks the blank from home order.
    void Scramble(CRandomSource& random, unsigned int nSeed);

    int m_nSize = 0;
    int m_nBlank = 0;
    std::vector<int> m_cells;
    // For each cell, the cells that share an edge with it.
    using NeighbourTable = std::vector<std::vector<int>>;
    NeighbourTable m_adj3;
    NeighbourTable m_adj4;
    NeighbourTable m_adj5;

private:
    void BuildNeighbourTables();
    void Walk(const NeighbourTable& table, CRandomSource& random);
};
