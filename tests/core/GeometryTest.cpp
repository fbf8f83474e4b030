#include "render/BoardGeometry.h"
#include "render/PictureFit.h"
#include "render/SlideAnimation.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

using namespace BoardGeometry;

TEST(Geometry, TileSizesOfTheTwoHundredFortyPixelBoard)
{
    EXPECT_EQ(TileSize(240, 3), 77);
    EXPECT_EQ(TileSize(240, 4), 58);
    EXPECT_EQ(TileSize(240, 5), 46);
    EXPECT_EQ(CellOrigin(2, 1, 58), (SPoint{62, 120}));
    EXPECT_EQ(SourceSquare(7, 4, 58), (SRect{174, 58, 232, 116}));
    EXPECT_EQ(SourceSquare(23, 5, 46), (SRect{138, 184, 184, 230}));
}

TEST(Geometry, TapMappingCountsTheMarginsAsTheFirstRowAndColumn)
{
    for (int n : {3, 4, 5}) {
        const int t = TileSize(240, n);
        auto at = [&](int x, int y) {
            int row = -1, col = -1;
            const bool bInside = CellAtPoint(x, y, t, n, row, col);
            return std::tuple(bInside, row, col);
        };
        const int last = 4 + n * t - 1;
        EXPECT_EQ(at(2, 10), std::tuple(true, 0, 0));
        EXPECT_EQ(at(0, 0), std::tuple(true, 0, 0));
        EXPECT_EQ(at(last, last), std::tuple(true, n - 1, n - 1));
        EXPECT_EQ(at(4 + t, 4 + 2 * t - 1), std::tuple(true, 1, 1));
        // Past the grid, the label row included: refused, the outputs left alone.
        for (const auto& [x, y] :
             {std::pair(last + 1, 10), std::pair(10, last + 1), std::pair(10, 250), std::pair(-4 - t, 10)})
            EXPECT_EQ(at(x, y), std::tuple(false, -1, -1)) << n << "x" << n << " at " << x << "," << y;
    }
}

TEST(SlideGeometry, OffsetsOfTheFiveFramesInAllDirections)
{
    const struct
    {
        int tileSize;
        std::vector<int> ahead;   // right and down, from the old cell
        std::vector<int> behind;  // left and up, from the new cell
    } table[] = {
        {77, {15, 30, 46, 61, 77}, {61, 46, 30, 15, 0}},
        {58, {11, 23, 34, 46, 58}, {46, 34, 23, 11, 0}},
        {46, {9, 18, 27, 36, 46}, {36, 27, 18, 9, 0}},
    };
    for (const auto& o : table) {
        const int t = o.tileSize;
        for (int k = 1; k <= 5; ++k) {
            const int a = o.ahead[static_cast<std::size_t>(k - 1)];
            const int b = o.behind[static_cast<std::size_t>(k - 1)];
            const bool last = k == 5;

            // Right: cell (1,0) to (1,1).
            auto f = CSlideAnimation::FrameGeometry(1, 0, 1, 1, k, 5, t);
            EXPECT_EQ(f.tile, (SPoint{4 + a, 4 + t}));
            EXPECT_EQ(f.uncovered, (SRect{4, 4 + t, 4 + a, 4 + 2 * t}));
            EXPECT_EQ(f.bLast, last);

            // Left: cell (1,2) to (1,1).
            f = CSlideAnimation::FrameGeometry(1, 2, 1, 1, k, 5, t);
            EXPECT_EQ(f.tile, (SPoint{4 + t + b, 4 + t}));
            EXPECT_EQ(f.uncovered, (SRect{4 + 2 * t + b, 4 + t, 4 + 3 * t, 4 + 2 * t}));

            // Down: cell (0,1) to (1,1).
            f = CSlideAnimation::FrameGeometry(0, 1, 1, 1, k, 5, t);
            EXPECT_EQ(f.tile, (SPoint{4 + t, 4 + a}));
            EXPECT_EQ(f.uncovered, (SRect{4 + t, 4, 4 + 2 * t, 4 + a}));

            // Up: cell (2,1) to (1,1).
            f = CSlideAnimation::FrameGeometry(2, 1, 1, 1, k, 5, t);
            EXPECT_EQ(f.tile, (SPoint{4 + t, 4 + t + b}));
            EXPECT_EQ(f.uncovered, (SRect{4 + t, 4 + 2 * t + b, 4 + 2 * t, 4 + 3 * t}));
        }
    }
}

TEST(SlideGeometry, OneFrameWithoutAnimationLandsInTheNewCell)
{
    const auto f = CSlideAnimation::FrameGeometry(3, 2, 3, 3, 1, 1, 58);
    EXPECT_TRUE(f.bLast);
    EXPECT_EQ(f.tile, (SPoint{4 + 3 * 58, 4 + 3 * 58}));
    EXPECT_EQ(f.uncovered, (SRect{4 + 2 * 58, 4 + 3 * 58, 4 + 3 * 58, 4 + 4 * 58}));
}

TEST(SlideAnimation, StopKillsTheRunningTimerOnceAndResets)
{
    std::vector<unsigned int> killed;
    CSlideAnimation slide([&](unsigned int id) { killed.push_back(id); });
    slide.Begin(5, 1, 1, 1, 2, true);
    slide.m_nTimerId = 2;
    EXPECT_TRUE(slide.m_bActive);
    EXPECT_EQ(slide.m_nFrameCount, 5);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(slide.AdvanceFrame(58).bLast, k == 5);
    slide.StopSlide();
    slide.StopSlide();
    EXPECT_EQ(killed, (std::vector<unsigned int>{2}));
    EXPECT_FALSE(slide.m_bActive);
    EXPECT_EQ(slide.m_nFrame, 0);

    slide.Begin(5, 1, 1, 1, 2, false);
    EXPECT_EQ(slide.m_nFrameCount, 1);
}

TEST(PictureFit, SmallPicturesAreCentredLargeOnesAreLeftAlone)
{
    EXPECT_EQ(PictureFit::Offset(232, 232, 200, 150, true, true), (SPoint{16, 41}));
    EXPECT_EQ(PictureFit::Offset(232, 232, 232, 232, true, true), (SPoint{0, 0}));
    EXPECT_EQ(PictureFit::Offset(232, 232, 0, 0, true, true), (SPoint{116, 116}));
    EXPECT_EQ(PictureFit::Offset(232, 232, 201, 151, false, true), (SPoint{0, 40}));
    EXPECT_FALSE(PictureFit::Offset(232, 232, 640, 480, true, true));
    EXPECT_FALSE(PictureFit::Offset(232, 232, 233, 10, true, true));
    EXPECT_FALSE(PictureFit::Offset(232, 232, 10, 233, true, true));
}
