#include "render/SlideAnimation.h"

void CSlideAnimation::Begin(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol, bool bAnimate)
{
    m_nTile = nTile;
    m_nFromRow = nFromRow;
    m_nFromCol = nFromCol;
    m_nToRow = nToRow;
    m_nToCol = nToCol;
    m_nFrameCount = bAnimate ? kAnimatedFrames : 1;
    m_bActive = true;
    m_nFrame = 0;
}

CSlideAnimation::SFrame CSlideAnimation::AdvanceFrame(int nTileSize, int nMargin)
{
    ++m_nFrame;
    return FrameGeometry(m_nFromRow, m_nFromCol, m_nToRow, m_nToCol, m_nFrame, m_nFrameCount, nTileSize, nMargin);
}

void CSlideAnimation::StopSlide()
{
    m_bActive = false;
}

// Rightward and downward positions count from the old cell, leftward and
// upward ones from the new cell, each truncated toward zero.
CSlideAnimation::SFrame CSlideAnimation::FrameGeometry(int nFromRow, int nFromCol, int nToRow, int nToCol,
                                                       int nFrame, int nFrames, int T, int m)
{
    const double q = static_cast<double>(nFrame) / nFrames;
    const int ahead = static_cast<int>(q * T);
    const int behind = static_cast<int>((1.0 - q) * T);

    SFrame frame;
    frame.bLast = nFrame >= nFrames;
    if (nFromRow == nToRow) {
        const int y = m + T * nFromRow;
        if (nFromCol < nToCol) {
            const int x = m + T * nFromCol + ahead;
            frame.tile = {x, y};
            frame.uncovered = {m + T * nFromCol, y, x, y + T};
        } else {
            const int x = m + T * nToCol + behind;
            frame.tile = {x, y};
            frame.uncovered = {x + T, y, m + T * nToCol + 2 * T, y + T};
        }
    } else {
        const int x = m + T * nFromCol;
        if (nFromRow < nToRow) {
            const int y = m + T * nFromRow + ahead;
            frame.tile = {x, y};
            frame.uncovered = {x, m + T * nFromRow, x + T, y};
        } else {
            const int y = m + T * nToRow + behind;
            frame.tile = {x, y};
            frame.uncovered = {x, y + T, x + T, m + T * nToRow + 2 * T};
        }
    }
    return frame;
}
