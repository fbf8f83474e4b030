#include "render/BoardView.h"

#include "board/Board.h"
#include "render/BoardPainter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

namespace {

// A group, not a bare client area, so that a screen reader announces it with its tiles.
QAccessibleInterface* BoardAccessible(const QString&, QObject* pObject)
{
    auto* pView = qobject_cast<CBoardView*>(pObject);
    return pView ? new QAccessibleWidget(pView, QAccessible::Grouping) : nullptr;
}

} // namespace

CBoardView::CBoardView(const CBoard& board, QWidget* pParent)
    : QWidget(pParent)
    , m_board(board)
    , m_frame(kClientWidth, kClientHeight, QImage::Format_RGB32)
{
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Once for the program, before a screen reader first asks for a board.
    static const bool bFactory = [] {
        QAccessible::installFactory(&BoardAccessible);
        return true;
    }();
    Q_UNUSED(bFactory)
    setAccessibleName(tr("Board"));
    // The arrow keys play wherever the focus is; here it brings a screen reader to the tiles.
    setFocusPolicy(Qt::StrongFocus);
    m_slideTimer.setInterval(CSlideAnimation::kTimerPeriodMs);
    m_slideTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_slideTimer, &QTimer::timeout, this, &CBoardView::SlideFrame);
}

void CBoardView::SetTilePicture(const QImage& tiles)
{
    m_tiles = tiles;
    m_nTileSize = BoardGeometry::TileSize(kClientWidth, m_board.m_nSize);
}

void CBoardView::SetNumberedTiles(bool bNumbered)
{
    m_bNumbered = bNumbered;
    UpdateTilesText();
}

void CBoardView::Repaint()
{
    m_bFrameStale = true;
    update();
    UpdateTilesText();
}

// "A, blank, B; D, E, C; G, H, F": rows apart by semicolons, tiles by commas.
void CBoardView::UpdateTilesText()
{
    QStringList rows;
    for (int nRow = 0; nRow < m_board.m_nSize; ++nRow) {
        QStringList tiles;
        for (int nCol = 0; nCol < m_board.m_nSize; ++nCol) {
            const int nTile = m_board.GetAt(nRow, nCol);
            if (nTile == m_board.m_nBlank)
                tiles << tr("blank");
            else
                tiles << (m_bNumbered ? QString::number(nTile + 1) : QString(QChar(u'A' + nTile)));
        }
        rows << tiles.join(QStringLiteral(", "));
    }
    // Qt sends a screen reader the description-changed event.
    setAccessibleDescription(rows.join(QStringLiteral("; ")));
}

void CBoardView::StartSlide(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol, bool bAnimate)
{
    m_slide.Begin(nTile, nFromRow, nFromCol, nToRow, nToCol, bAnimate);
    UpdateTilesText();
    if (bAnimate)
        m_slideTimer.start();
    SlideFrame();
}

void CBoardView::SlideFrame()
{
    if (!m_slide.m_bActive)
        return;
    const CSlideAnimation::SFrame frame = m_slide.AdvanceFrame(m_nTileSize);
    {
        QPainter painter(&m_frame);
        CBoardPainter::DrawSlideFrame(painter, frame, m_slide.m_nTile, m_board.m_nSize, kClientWidth,
                                      SBoardColours::FromPalette(palette()), m_tiles, m_nTileSize);
    }
    if (frame.bLast)
        StopSlide();
    const QRect tile(frame.tile.x, frame.tile.y, m_nTileSize, m_nTileSize);
    const SRect& e = frame.uncovered;
    update(tile.united(QRect(e.left, e.top, e.Width(), e.Height())));
}

void CBoardView::StopSlide()
{
    m_slideTimer.stop();
    m_slide.StopSlide();
}

void CBoardView::OnLButtonDown(const QPoint& point)
{
    int nRow = 0;
    int nCol = 0;
    if (BoardGeometry::CellAtPoint(point.x(), point.y(), m_nTileSize, m_board.m_nSize, nRow, nCol))
        emit CellClicked(nRow, nCol);
}

void CBoardView::OnPaint()
{
    QPainter painter(&m_frame);
    CBoardPainter::PaintBoard(painter, rect(), SBoardColours::FromPalette(palette()), m_board, m_tiles,
                              m_nTileSize);
}

void CBoardView::paintEvent(QPaintEvent*)
{
    if (m_bFrameStale) {
        OnPaint();
        m_bFrameStale = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
}

void CBoardView::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        OnLButtonDown(pEvent->position().toPoint());
    QWidget::mousePressEvent(pEvent);
}
