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

// Paints the board: background, five bevelled rings, every tile but the
// blank cut from the tile picture, and the frames of a sliding tile.
class CBoardPainter
{
public:
    // Background, frame and tiles over the client area.
    static void PaintBoard(QPainter& painter, const QRect& client, const SBoardColours& colours,
                           const CBoard& board, const QImage& tiles, int nTileSize);
    static void DrawTiles(QPainter& painter, const CBoard& board, const QImage& tiles, int nTileSize);
    static void DrawSlideFrame(QPainter& painter, const CSlideAnimation::SFrame& frame, int nTile,
                               int nGridSize, int nClientWidth, const SBoardColours& colours,
                               const QImage& tiles, int nTileSize);

private:
    // The five bevelled rings around the w x w board square.
    static void DrawFrame(QPainter& painter, int w, const SBoardColours& colours);
    static void Draw3dRect(QPainter& painter, const SRect& rect, const QColor& crTopLeft,
                           const QColor& crBottomRight);
    // A plain copy of one square of the tile picture.
    static void CopyTile(QPainter& painter, const SPoint& at, const QImage& tiles, const SRect& source);
};
