#include "render/BoardGeometry.h"

#include <algorithm>
#include <cmath>

namespace BoardGeometry {

int TileSize(int nClientWidth, int nGridSize, int nRing)
{
    return (nClientWidth - 2 * kMargin * nRing) / nGridSize;
}

SBoardLayout Layout(int nWidth, int nHeight, int nGridSize)
{
    SBoardLayout layout;
    layout.dScale = std::min(double(nWidth) / kClientWidth, double(nHeight) / kClientHeight);
    layout.nRing = std::max(1, static_cast<int>(std::lround(layout.dScale)));
    layout.nSide = static_cast<int>(std::lround(kClientWidth * layout.dScale));
    layout.nClientHeight = static_cast<int>(std::lround(kClientHeight * layout.dScale));
    layout.nMargin = kMargin * layout.nRing;
    layout.nTileSize = TileSize(layout.nSide, nGridSize, layout.nRing);
    layout.origin = {(nWidth - layout.nSide) / 2, (nHeight - layout.nClientHeight) / 2};
    return layout;
}

SPoint CellOrigin(int nRow, int nCol, int nTileSize, int nMargin)
{
    return {nMargin + nTileSize * nCol, nMargin + nTileSize * nRow};
}

SRect SourceSquare(int nTile, int nGridSize, int nTileSize)
{
    const int left = (nTile % nGridSize) * nTileSize;
    const int top = (nTile / nGridSize) * nTileSize;
    return {left, top, left + nTileSize, top + nTileSize};
}

bool CellAtPoint(int x, int y, int nTileSize, int nGridSize, int& nRow, int& nCol, int nMargin)
{
    if (nTileSize <= 0 || x < 0 || y < 0)
        return false;
    // Division truncates toward zero, so a tap in the margin maps to row or column 0.
    const int col = (x - nMargin) / nTileSize;
    const int row = (y - nMargin) / nTileSize;
    if (col < 0 || col >= nGridSize || row < 0 || row >= nGridSize)
        return false;
    nRow = row;
    nCol = col;
    return true;
}

} // namespace BoardGeometry
