#include "render/BoardGeometry.h"

namespace BoardGeometry {

int TileSize(int nClientWidth, int nGridSize)
{
    return (nClientWidth - 2 * kMargin) / nGridSize;
}

SPoint CellOrigin(int nRow, int nCol, int nTileSize)
{
    return {kMargin + nTileSize * nCol, kMargin + nTileSize * nRow};
}

SRect SourceSquare(int nTile, int nGridSize, int nTileSize)
{
    const int left = (nTile % nGridSize) * nTileSize;
    const int top = (nTile / nGridSize) * nTileSize;
    return {left, top, left + nTileSize, top + nTileSize};
}

bool CellAtPoint(int x, int y, int nTileSize, int nGridSize, int& nRow, int& nCol)
{
    if (nTileSize <= 0)
        return false;
    // Division truncates toward zero, so a tap in the margin maps to row or column 0.
    const int col = (x - kMargin) / nTileSize;
    const int row = (y - kMargin) / nTileSize;
    if (col < 0 || col >= nGridSize || row < 0 || row >= nGridSize)
        return false;
    nRow = row;
    nCol = col;
    return true;
}

} // namespace BoardGeometry
