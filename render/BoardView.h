#pragma once

#include "render/BoardTiles.h"
#include "render/SlideAnimation.h"

#include <QImage>
#include <QTimer>
#include <QWidget>


class CBoard;

// The board on screen: the bevelled frame and the tiles cut from the tile
// picture, and a tile sliding into the blank. The 240 x 268 client grows with
// the view, centred on the face colour, and is drawn in the device's own
// pixels into a retained frame that a paint copies out. Turns a left click
// into a cell. It knows nothing of moves, clocks or records. A screen reader
// finds it as "Board" and reads its tiles row by row.
class CBoardView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = BoardGeometry::kClientWidth;
    static constexpr int kClientHeight = BoardGeometry::kClientHeight;

    CBoardView(const CBoard& board, QWidget* pParent = nullptr);

    // In device pixels.
    int TileSize() const { return m_layout.nTileSize; }
    const SBoardLayout& Layout() const { return m_layout; }
    // Where the client lies in the view, and how many of the view's pixels
    // stand for one of the client's.
    QRectF ClientRect() const;

    // What the tiles show (see CBoardTiles). A screen reader reads the tiles
    // of a letter sheet by letter, those of a picture by number.
    void SetTileSource(const STileSource& source);
    // A picture is being prepared; the tiles show what there is meanwhile.
    bool IsPreparing() const { return m_tileMaker.IsPreparing(); }
    // Paints the whole board afresh from the model at the next paint.
    void Repaint();
    // Lays the client out for the view's size in device pixels; a resize does
    // it too, but only once the view is shown.
    void Relayout();

    // Draws one tile's slide: five frames 100 ms apart, or one at once.
    void StartSlide(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol, bool bAnimate);
    void SlideFrame();
    void StopSlide();
    // Draws a running slide's last frame at once.
    void FinishSlide();
    bool IsSliding() const { return m_slide.m_bActive; }

    void OnLButtonDown(const QPointF& point);

signals:
    void CellClicked(int nRow, int nCol);
    void PictureNotShown(const QString& strPath, EPictureFault eFault);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void OnPaint();
    // The tile picture at the tile size shown.
    void PrepareTiles();
    // The frame's memory as an image of device pixels.
    QImage DevicePixels();
    // Tells a screen reader the tiles as they now stand.
    void UpdateTilesText();

    const CBoard& m_board;
    CBoardTiles m_tileMaker;
    QImage m_tiles;
    SBoardLayout m_layout;
    // What the player sees; paints and slide frames draw here.
    QImage m_frame;
    bool m_bFrameStale = true;
    CSlideAnimation m_slide;
    QTimer m_slideTimer;
};
