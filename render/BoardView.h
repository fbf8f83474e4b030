#pragma once

#include "render/SlideAnimation.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class CBoard;

// The board on screen: the bevelled frame and the tiles cut from the tile
// picture, and a tile sliding into the blank. It draws into a retained frame
// that a paint copies out, and turns a left click into a cell. It knows nothing
// of moves, clocks or records. A screen reader finds it as "Board" and reads
// its tiles row by row.
class CBoardView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 240;
    static constexpr int kClientHeight = 268;

    CBoardView(const CBoard& board, QWidget* pParent = nullptr);

    int TileSize() const { return m_nTileSize; }
    // The picture the tiles are cut from, for a board of the board's size.
    void SetTilePicture(const QImage& tiles);
    // Tiles cut from a player's picture are read by number, letter-sheet tiles by letter.
    void SetNumberedTiles(bool bNumbered);
    // Paints the whole board afresh from the model at the next paint.
    void Repaint();

    // Draws one tile's slide: five frames 100 ms apart, or one at once.
    void StartSlide(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol, bool bAnimate);
    void SlideFrame();
    void StopSlide();
    bool IsSliding() const { return m_slide.m_bActive; }

    void OnLButtonDown(const QPoint& point);

signals:
    void CellClicked(int nRow, int nCol);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    void OnPaint();
    // Tells a screen reader the tiles as they now stand.
    void UpdateTilesText();

    const CBoard& m_board;
    QImage m_tiles;
    int m_nTileSize = 0;
    bool m_bNumbered = false;
    // What the player sees; paints and slide frames draw here.
    QImage m_frame;
    bool m_bFrameStale = true;
    CSlideAnimation m_slide;
    QTimer m_slideTimer;
};
