#pragma once

#include "render/BoardGeometry.h"

// One tile sliding from the tapped cell into the blank's old cell: five frames
// with animation, one without. Holds the slide's state and works out where
// each frame puts the tile; the board view draws it and owns the timer.
class CSlideAnimation
{
public:
    static constexpr int kTimerPeriodMs = 100;
    static constexpr int kAnimatedFrames = 5;

    struct SFrame
    {
        SPoint tile;      // top-left corner of the moving tile
        SRect uncovered;  // the part of the old cell the tile has left
        bool bLast{};
    };

    CSlideAnimation() = default;

    void Begin(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol, bool bAnimate);
    // Counts the next frame and returns its geometry for tile size nTileSize.
    SFrame AdvanceFrame(int nTileSize, int nMargin = BoardGeometry::kMargin);
    // The next frame counted will be the last, which leaves the tile in its new cell.
    void SkipToLastFrame() { m_nFrame = m_nFrameCount - 1; }
    void StopSlide();

    // Where frame nFrame of nFrames puts the tile; frame nFrames is the new cell.
    static SFrame FrameGeometry(int nFromRow, int nFromCol, int nToRow, int nToCol,
                                int nFrame, int nFrames, int nTileSize, int nMargin = BoardGeometry::kMargin);

    int m_nTile{};
    int m_nFromRow{};
    int m_nFromCol{};
    int m_nToRow{};
    int m_nToCol{};
    int m_nFrameCount{};
    bool m_bActive = false;
    int m_nFrame{};
};
