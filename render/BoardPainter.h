#pragma once

#include "render/SlideAnimation.h"

#include <QColor>
#include <QRect>

class CBoard;
class QImage;
class QPainter;
class QPalette;

// Face, shadow and dark shadow of the bevelled frame; white is fixed.
struct SBoardColours
{
    QColor face;
    QColor shadow;
    QColor darkShadow;

    static SBoardColours FromPalette(const QPalette& palette);
};

// Paints the board in device pixels: background, five bevelled rings, every
// tile but the blank cut from the tile picture, and the frames of a sliding
// tile. Board coordinates count from the client's corner, layout.origin.
class CBoardPainter
{
public:
    // The face over the whole view, then the frame and tiles of the client.
    static void PaintBoard(QPainter& painter, const QRect& view, const SBoardColours& colours,
                           const CBoard& board, const QImage& tiles, const SBoardLayout& layout);
    static void DrawTiles(QPainter& painter, const CBoard& board, const QImage& tiles, const SBoardLayout& layout);
    static void DrawSlideFrame(QPainter& painter, const CSlideAnimation::SFrame& frame, int nTile,
                               int nGridSize, const SBoardLayout& layout, const SBoardColours& colours,
                               const QImage& tiles);

private:
    // The five bevelled rings, nRing pixels wide each, around the board square.
    static void DrawFrame(QPainter& painter, const SBoardLayout& layout, const SBoardColours& colours);
    static void Draw3dRect(QPainter& painter, const SRect& rect, int nWidth, const QColor& crTopLeft,
                           const QColor& crBottomRight);
    // A plain copy of one square of the tile picture.
    static void CopyTile(QPainter& painter, const SPoint& at, const QImage& tiles, const SRect& source);
};
