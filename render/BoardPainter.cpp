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

void CBoardPainter::PaintBoard(QPainter& painter, const QRect& view, const SBoardColours& colours,
                               const CBoard& board, const QImage& tiles, const SBoardLayout& layout)
{
    painter.fillRect(view, colours.face);
    painter.save();
    painter.translate(layout.origin.x, layout.origin.y);
    DrawFrame(painter, layout, colours);
    DrawTiles(painter, board, tiles, layout);
    painter.restore();
}

void CBoardPainter::DrawFrame(QPainter& painter, const SBoardLayout& layout, const SBoardColours& colours)
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
    const int d = layout.nRing;
    SRect square{0, 0, layout.nSide, layout.nSide};
    for (const SRing& ring : rings) {
        Draw3dRect(painter, square, d, ring.topLeft, ring.bottomRight);
        square = {square.left + d, square.top + d, square.right - d, square.bottom - d};
    }
}

// Top and left in the first colour, right and bottom in the second: the
// top-left corner takes the first colour and the other three the second.
void CBoardPainter::Draw3dRect(QPainter& painter, const SRect& r, int d, const QColor& crTopLeft,
                               const QColor& crBottomRight)
{
    const int w = r.Width();
    const int h = r.Height();
    painter.fillRect(r.left, r.top, w - d, d, crTopLeft);
    painter.fillRect(r.left, r.top, d, h - d, crTopLeft);
    painter.fillRect(r.right - d, r.top, d, h, crBottomRight);
    painter.fillRect(r.left, r.bottom - d, w, d, crBottomRight);
}

void CBoardPainter::DrawTiles(QPainter& painter, const CBoard& board, const QImage& tiles, const SBoardLayout& layout)
{
    const int n = board.m_nSize;
    const int nTileSize = layout.nTileSize;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const int tile = board.GetAt(row, col);
            if (tile == board.m_nBlank)
                continue;
            CopyTile(painter, BoardGeometry::CellOrigin(row, col, nTileSize, layout.nMargin), tiles,
                     BoardGeometry::SourceSquare(tile, n, nTileSize));
        }
    }
}

// The uncovered strip is drawn as a repaint would draw an empty cell: the
// face, and the frame's innermost ring where the cell lies under it.
void CBoardPainter::DrawSlideFrame(QPainter& painter, const CSlideAnimation::SFrame& frame, int nTile,
                                   int nGridSize, const SBoardLayout& layout, const SBoardColours& colours,
                                   const QImage& tiles)
{
    painter.save();
    painter.translate(layout.origin.x, layout.origin.y);
    const SRect& e = frame.uncovered;
    if (e.Width() > 0 && e.Height() > 0) {
        const QRect strip(e.left, e.top, e.Width(), e.Height());
        painter.fillRect(strip, colours.face);
        painter.save();
        painter.setClipRect(strip);
        DrawFrame(painter, layout, colours);
        painter.restore();
    }
    CopyTile(painter, frame.tile, tiles, BoardGeometry::SourceSquare(nTile, nGridSize, layout.nTileSize));
    painter.restore();
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
