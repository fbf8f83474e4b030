#pragma once

// Where the board's cells lie in the window's client area, and which cell a
// tap falls in: a margin of four ring widths left and top, square tiles of a
// fixed size. The 240 x 268 client grows with the window, and everything is
// laid out in the device's own pixels.
struct SRect
{
    int left{};
    int top{};
    int right{};   // exclusive
    int bottom{};  // exclusive

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const SRect&) const = default;
};

struct SPoint
{
    int x{};
    int y{};
    bool operator==(const SPoint&) const = default;
};

// The client as drawn in a view, all in device pixels.
struct SBoardLayout
{
    double dScale = 1.0;  // device pixels per client pixel
    int nRing = 1;        // the width of each of the five frame rings
    int nSide = 240;      // the board square
    int nMargin = 4;
    int nTileSize{};
    SPoint origin;        // the client's top-left corner in the view
    int nClientHeight = 268;
};

namespace BoardGeometry {

constexpr int kMargin = 4;
constexpr int kFrameDepth = 5;
constexpr int kClientWidth = 240;
constexpr int kClientHeight = 268;

int TileSize(int nClientWidth, int nGridSize, int nRing = 1);
// The largest client that fits a view of nWidth x nHeight device pixels,
// centred in it.
SBoardLayout Layout(int nWidth, int nHeight, int nGridSize);
SPoint CellOrigin(int nRow, int nCol, int nTileSize, int nMargin = kMargin);
// The square of the tile picture that shows tile nTile.
SRect SourceSquare(int nTile, int nGridSize, int nTileSize);
// False when the point lies outside the grid; the margins count as row and column 0.
bool CellAtPoint(int x, int y, int nTileSize, int nGridSize, int& nRow, int& nCol, int nMargin = kMargin);

} // namespace BoardGeometry
