#include "render/BoardView.h"

#include "board/Board.h"
#include "render/BoardPainter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

#include <cmath>

namespace {

// A group, not a bare client area, so that a screen reader announces it with its tiles.
QAccessibleInterface* BoardAccessible(const QString&, QObject* pObject)
{
    auto* pView = qobject_cast<CBoardView*>(pObject);
    return pView ? new QAccessibleWidget(pView, QAccessible::Grouping) : nullptr;
}

// The device pixel under a point: a press arrives as a device pixel divided by the scale, and multiplied back
// (at 1.1 or 1.75, say) it can fall a hair short of that pixel.
int DevicePixel(double dPoints, double dpr)
{
    constexpr double kHair = 1.0 / 1024;
    return static_cast<int>(std::floor(dPoints * dpr + kHair));
}

} // namespace

CBoardView::CBoardView(const CBoard& board, QWidget* pParent)
    : QWidget(pParent)
    , m_board(board)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kClientWidth, kClientHeight);
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
    connect(&m_tileMaker, &CBoardTiles::Changed, this, [this] {
        PrepareTiles();
        update();
        UpdateTilesText();
    });
    connect(&m_tileMaker, &CBoardTiles::PictureNotShown, this, &CBoardView::PictureNotShown);
    Relayout();
}

QRectF CBoardView::ClientRect() const
{
    const double dpr = m_frame.devicePixelRatio();
    return QRectF(m_layout.origin.x / dpr, m_layout.origin.y / dpr, m_layout.nSide / dpr,
                  m_layout.nClientHeight / dpr);
}

void CBoardView::SetTileSource(const STileSource& source)
{
    m_tileMaker.SetSource(source);
    Relayout();
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
                tiles << (m_tileMaker.ShowsLetters() ? QString(QChar(u'A' + nTile)) : QString::number(nTile + 1));
        }
        rows << tiles.join(QStringLiteral(", "));
    }
    // Qt sends a screen reader the description-changed event.
    setAccessibleDescription(rows.join(QStringLiteral("; ")));
}

void CBoardView::Relayout()
{
    const double dpr = devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(width() * dpr)), static_cast<int>(std::lround(height() * dpr)));
    if (m_frame.size() != device || m_frame.devicePixelRatio() != dpr) {
        m_frame = QImage(device, QImage::Format_RGB32);
        m_frame.setDevicePixelRatio(dpr);
        m_bFrameStale = true;
    }
    m_layout = BoardGeometry::Layout(device.width(), device.height(), m_board.m_nSize);
    PrepareTiles();
}

// Made once for each tile size, never while painting.
void CBoardView::PrepareTiles()
{
    const QImage& tiles = m_tileMaker.For(m_layout, m_board.m_nSize);
    if (tiles.cacheKey() == m_tiles.cacheKey())
        return;
    m_tiles = tiles;
    m_bFrameStale = true;
}

QImage CBoardView::DevicePixels()
{
    return QImage(m_frame.bits(), m_frame.width(), m_frame.height(), m_frame.bytesPerLine(), m_frame.format());
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
    const CSlideAnimation::SFrame frame = m_slide.AdvanceFrame(m_layout.nTileSize, m_layout.nMargin);
    {
        QImage device = DevicePixels();
        QPainter painter(&device);
        CBoardPainter::DrawSlideFrame(painter, frame, m_slide.m_nTile, m_board.m_nSize, m_layout,
                                      SBoardColours::FromPalette(palette()), m_tiles);
    }
    if (frame.bLast)
        StopSlide();
    const int t = m_layout.nTileSize;
    const SRect& e = frame.uncovered;
    const QRect changed = QRect(frame.tile.x, frame.tile.y, t, t).united(QRect(e.left, e.top, e.Width(), e.Height()));
    const double dpr = m_frame.devicePixelRatio();
    const QRectF shown(changed.translated(m_layout.origin.x, m_layout.origin.y));
    update(QRectF(shown.topLeft() / dpr, shown.size() / dpr).toAlignedRect());
}

void CBoardView::StopSlide()
{
    m_slideTimer.stop();
    m_slide.StopSlide();
}

void CBoardView::FinishSlide()
{
    if (!IsSliding())
        return;
    m_slide.SkipToLastFrame();
    SlideFrame();
}

void CBoardView::OnLButtonDown(const QPointF& point)
{
    const double dpr = m_frame.devicePixelRatio();
    const int x = DevicePixel(point.x(), dpr) - m_layout.origin.x;
    const int y = DevicePixel(point.y(), dpr) - m_layout.origin.y;
    int nRow{};
    int nCol{};
    if (BoardGeometry::CellAtPoint(x, y, m_layout.nTileSize, m_board.m_nSize, nRow, nCol, m_layout.nMargin))
        emit CellClicked(nRow, nCol);
}

void CBoardView::OnPaint()
{
    QImage device = DevicePixels();
    QPainter painter(&device);
    CBoardPainter::PaintBoard(painter, device.rect(), SBoardColours::FromPalette(palette()), m_board, m_tiles,
                              m_layout);
}

void CBoardView::paintEvent(QPaintEvent*)
{
    if (devicePixelRatioF() != m_frame.devicePixelRatio())
        Relayout();
    if (m_bFrameStale) {
        OnPaint();
        m_bFrameStale = false;
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_frame);
}

void CBoardView::mousePressEvent(QMouseEvent* pEvent)
{
    // A widget's position() is rounded to whole points, a device pixel off at a scale such as 1.25 or 2; the
    // window's position of the press keeps the fraction.
    if (pEvent->button() == Qt::LeftButton)
        OnLButtonDown(mapFrom(window(), pEvent->scenePosition()));
    QWidget::mousePressEvent(pEvent);
}

void CBoardView::resizeEvent(QResizeEvent* pEvent)
{
    Relayout();
    QWidget::resizeEvent(pEvent);
}
