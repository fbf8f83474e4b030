#pragma once

// Where the board's cells lie in the window's client area, and which cell a
// tap falls in: a 4-pixel margin left and top, square tiles of a fixed size.
struct SRect
{
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const SRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

struct SPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const SPoint& other) const { return x == other.x && y == other.y; }
};

namespace BoardGeometry {

constexpr int kMargin = 4;
constexpr int kFrameDepth = 5;

int TileSize(int nClientWidth, int nGridSize);
SPoint CellOrigin(int nRow, int nCol, int nTileSize);
// The square of the tile picture that shows tile nTile.
SRect SourceSquare(int nTile, int nGridSize, int nTileSize);
// False when the point lies outside the grid; the margins count as row and column 0.
bool CellAtPoint(int x, int y, int nTileSize, int nGridSize, int& nRow, int& nCol);

} // namespace BoardGeometry
