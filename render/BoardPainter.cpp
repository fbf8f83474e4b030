#include "render/BoardPainter.h"

#include "board/Board.h"
#include <QImage>
#include <QPainter>
#include <QPalette>

SBoardColours SBoardColours::FromPalette(const QPalette& palette)
{
    return {palette.color(QPalette::Active, QPalette::Button),
            palette.color(QPalette::Active, QPalette::Dark),
            palette.color(QPalette::Active, QPalette::Shadow)};
}

void CBoardPainter::PaintBoard(QPainter& painter, const QRect& client, const SBoardColours& colours,
                               const CBoard& board, const QImage& tiles, int nTileSize)
{
    painter.fillRect(client, colours.face);
    DrawFrame(painter, client.width(), colours);
    DrawTiles(painter, board, tiles, nTileSize);
}

void CBoardPainter::DrawFrame(QPainter& painter, int w, const SBoardColours& colours)
{
    const QColor white(255, 255, 255);
    struct SRing { QColor topLeft, bottomRight; };
    const SRing rings[BoardGeometry::kFrameDepth] = {
        {colours.face, colours.darkShadow},
        {white, colours.shadow},
        {colours.face, white},
        {colours.darkShadow, colours.face},
        {colours.shadow, colours.darkShadow},
    };
    SRect square{0, 0, w, w};
    for (const SRing& ring : rings) {
        Draw3dRect(painter, square, ring.topLeft, ring.bottomRight);
        square = {square.left + 1, square.top + 1, square.right - 1, square.bottom - 1};
    }
}

// Top and left in the first colour, right and bottom in the second: the
// top-left corner takes the first colour and the other three the second.
void CBoardPainter::Draw3dRect(QPainter& painter, const SRect& r, const QColor& crTopLeft,
                               const QColor& crBottomRight)
{
    const int w = r.Width();
    const int h = r.Height();
    painter.fillRect(r.left, r.top, w - 1, 1, crTopLeft);
    painter.fillRect(r.left, r.top, 1, h - 1, crTopLeft);
    painter.fillRect(r.right - 1, r.top, 1, h, crBottomRight);
    painter.fillRect(r.left, r.bottom - 1, w, 1, crBottomRight);
}

void CBoardPainter::DrawTiles(QPainter& painter, const CBoard& board, const QImage& tiles, int nTileSize)
{
    const int n = board.m_nSize;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const int tile = board.GetAt(row, col);
            if (tile == board.m_nBlank)
                continue;
            CopyTile(painter, BoardGeometry::CellOrigin(row, col, nTileSize), tiles,
                     BoardGeometry::SourceSquare(tile, n, nTileSize));
        }
    }
}

// The uncovered strip is drawn as a repaint would draw an empty cell: the
// face, and the frame's innermost ring where the cell lies under it.
void CBoardPainter::DrawSlideFrame(QPainter& painter, const CSlideAnimation::SFrame& frame, int nTile,
                                   int nGridSize, int nClientWidth, const SBoardColours& colours,
                                   const QImage& tiles, int nTileSize)
{
    const SRect& e = frame.uncovered;
    if (e.Width() > 0 && e.Height() > 0) {
        const QRect strip(e.left, e.top, e.Width(), e.Height());
        painter.fillRect(strip, colours.face);
        painter.save();
        painter.setClipRect(strip);
        DrawFrame(painter, nClientWidth, colours);
        painter.restore();
    }
    CopyTile(painter, frame.tile, tiles, BoardGeometry::SourceSquare(nTile, nGridSize, nTileSize));
}

void CBoardPainter::CopyTile(QPainter& painter, const SPoint& at, const QImage& tiles, const SRect& source)
{
    if (tiles.isNull())
        return;
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(at.x, at.y), tiles, QRect(source.left, source.top, source.Width(), source.Height()));
    painter.setCompositionMode(previous);
}
