#pragma once

#include <array>
#include <vector>

class CRandomSource;

// The puzzle's state: grid size, which tile lies in which cell, and the fixed
// neighbour lists of every cell for the three grid sizes.
class CBoard
{
public:
    static constexpr int kScrambleSteps = 8013;

    CBoard();
    virtual ~CBoard() = default;

    void SetSize(int nSize);
    void Reset();
    int GetAt(int nRow, int nCol) const;
    void SetAt(int nRow, int nCol, int nTile);
    bool Move(int nRow, int nCol);
    void FindBlank(int& nRow, int& nCol) const;
    bool IsSolved() const;
    // Deals a game: seeds the generator, then walks the blank from home order.
    void Scramble(CRandomSource& random, unsigned int nSeed);

    int m_nSize = 0;
    int m_nBlank = 0;
    std::vector<int> m_cells;
    std::array<std::vector<int>, 9> m_adj3;
    std::array<std::vector<int>, 16> m_adj4;
    std::array<std::vector<int>, 25> m_adj5;

private:
    void BuildNeighbourTables();
    template <std::size_t N>
    void Walk(const std::array<std::vector<int>, N>& table, CRandomSource& random);
};
