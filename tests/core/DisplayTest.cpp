#include "render/PictureFit.h"
#include "render/SlideAnimation.h"
#include "scores/ElapsedText.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace BoardGeometry;

static void PrintTo(const SPoint& p, std::ostream* os) {
    *os << "(" << p.x << "," << p.y << ")";
}

static void PrintTo(const SRect& r, std::ostream* os) {
    *os << "[" << r.left << "," << r.top << " " << r.right << "," << r.bottom << ")";
}

// The client grows with the view, centred: rings of max(1, round(scale))
// pixels, a margin of four rings, tiles of (side - 8 rings) / N. A tap on the
// frame's corner counts for the first cell.
TEST(Geometry, TheClientGrowsWithTheView) {
    const std::tuple<int, int, int, int, int, int, int, SPoint> table[] = {
        {240, 268, 4, 1, 240, 4, 58, {0, 0}},      {480, 536, 4, 2, 480, 8, 116, {0, 0}},
        {360, 402, 4, 2, 360, 8, 86, {0, 0}},      {300, 335, 4, 1, 300, 4, 73, {0, 0}},
        {600, 268, 3, 1, 240, 4, 77, {180, 0}},    {1920, 1054, 4, 4, 944, 16, 228, {488, 0}},
        {420, 469, 5, 2, 420, 8, 80, {0, 0}},      {240, 400, 4, 1, 240, 4, 58, {0, 66}},
    };
    for (const auto& [width, height, n, ring, side, margin, tile, origin] : table) {
        const SBoardLayout layout = Layout(width, height, n);
        const auto seen = std::make_tuple(layout.nRing, layout.nSide, layout.nMargin, layout.nTileSize);
        EXPECT_EQ(seen, std::make_tuple(ring, side, margin, tile)) << width << " x " << height;
        EXPECT_EQ(layout.origin, origin) << width << " x " << height;
    }
    int row = -1;
    int col = -1;
    EXPECT_TRUE(CellAtPoint(355, 471, 116, 4, row, col, 8));
    EXPECT_EQ(row * 10 + col, 32);
    EXPECT_TRUE(CellAtPoint(0, 0, 116, 4, row, col, 8));
    EXPECT_EQ(row * 10 + col, 0);
    EXPECT_FALSE(CellAtPoint(-1, 10, 116, 4, row, col, 8));
    const auto frame = CSlideAnimation::FrameGeometry(3, 2, 3, 3, 1, 5, 116, 8);
    EXPECT_EQ(frame.tile, SPoint({263, 356}));
    EXPECT_EQ(frame.uncovered, SRect({240, 356, 263, 472}));
}

// A picture smaller than the canvas sits in its middle; a larger one is not fitted.
TEST(PictureFit, SmallPicturesAreCentredLargerOnesNotDrawn) {
    EXPECT_EQ(PictureFit::Offset(232, 232, 200, 151, true, true), SPoint({16, 40}));
    EXPECT_EQ(PictureFit::Offset(232, 232, 201, 151, false, true), SPoint({0, 40}));
    EXPECT_EQ(PictureFit::Offset(232, 232, 232, 100, true, true), SPoint({0, 66}));
    EXPECT_EQ(PictureFit::Offset(232, 232, 151, 201, true, false), SPoint({40, 0}));
    EXPECT_FALSE(PictureFit::Offset(232, 232, 233, 10, true, true));
    EXPECT_FALSE(PictureFit::Offset(232, 232, 10, 233, true, true));
}

TEST(FormatElapsed, MinutesAndSecondsBelowAnHourThenHours) {
    const std::pair<int, const char*> table[] = {
        {0, "00m00s"},       {75, "01m15s"},        {3599, "59m59s"},
        {3600, "01h00m00s"}, {3725, "01h02m05s"}, {360000, "100h00m00s"},
    };
    for (const auto& [nSeconds, text] : table)
        EXPECT_EQ(FormatElapsed(nSeconds).toStdString(), text);
}
