#pragma once

#include "render/SlideAnimation.h"

#include <QColor>
#include <QRect>

class CBoard;
class CPicture;
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

// Paints the board onto the window's frame: background, five bevelled rings,
// every tile but the blank, and the frames of a sliding tile.
class CBoardPainter
{
public:
    // Background, frame and tiles over a client area nClientWidth wide.
    static void PaintBoard(QPainter& painter, const QRect& client, const SBoardColours& colours,
                           const CBoard& board, const CPicture& picture, int nTileSize);
    static void DrawTiles(QPainter& painter, const CBoard& board, const CPicture& picture, int nTileSize);
    static void DrawSlideFrame(QPainter& painter, const CSlideAnimation::SFrame& frame, int nTile,
                               int nGridSize, int nClientWidth, const SBoardColours& colours,
                               const CPicture& picture, int nTileSize);

private:
    // The five bevelled rings around the w x w board square.
    static void DrawFrame(QPainter& painter, int w, const SBoardColours& colours);
    static void Draw3dRect(QPainter& painter, const SRect& rect, const QColor& crTopLeft,
                           const QColor& crBottomRight);
};
