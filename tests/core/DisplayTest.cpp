#include "render/PictureFit.h"
#include "render/PictureJpeg.h"
#include "scores/ElapsedText.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <tuple>

using namespace BoardGeometry;

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
    EXPECT_TRUE(CellAtPoint(0, 0, 116, 4, row, col, 8));
    EXPECT_EQ(row * 10 + col, 0);
    EXPECT_FALSE(CellAtPoint(-1, 10, 116, 4, row, col, 8));
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

// A JPEG's header (start, frame, first scan) in its bytes: what its decoder holds before the first row, 64 two-byte
// coefficients a block. A 6000 x 4000 progressive photo with colour at half resolution: 750 x 500 blocks of light,
// 375 x 250 of each colour; a 100 x 100 grey one after an empty segment, 13 x 13 blocks; a file whose colours come
// in one scan: nothing; a frame of no height or a header cut short: no JPEG (-1).
TEST(PictureJpeg, ProgressiveOrScanByScanPicturesAreHeldWhole) {
    const std::pair<const char*, qint64> table[] = {
        {"ffd8 ffc0 0011 08 0fa0 1770 03 012200 021100 031100 ffda 000c 03", 0},
        {"ffd8 ffc2 0011 08 0fa0 1770 03 012200 021100 031100 ffda 0008 01", 72000000},
        {"ffd8 ffc0 0011 08 0fa0 1770 03 012200 021100 031100 ffda 0008 01", 72000000},
        {"ffd8 ffe1 0002 ffc2 000b 08 0064 0064 01 011100 ffda 0008 01", 13 * 13 * 128},
        {"ffd8 ffc2 000b 08 0000 0064 01 011100 ffda 0008 01", -1},
        {"ffd8 ffc0 000b 08 0064 0064 01 011100 ffda 0008 01", 0},
        {"ffd8 ffc2 0011 08 0fa0 1770 03 0122", -1},
    };
    for (const auto& [hex, bytes] : table) {
        QByteArray header = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
        QBuffer device(&header);
        device.open(QIODevice::ReadOnly);
        device.seek(3);
        EXPECT_EQ(PictureJpeg::BufferedBytes(device), bytes) << hex;
        EXPECT_EQ(device.pos(), 3);
    }
}

TEST(FormatElapsed, MinutesAndSecondsBelowAnHourThenHours) {
    const std::pair<int, const char*> table[] = {
        {0, "00m00s"},       {75, "01m15s"},        {3599, "59m59s"},
        {3600, "01h00m00s"}, {3725, "01h02m05s"}, {360000, "100h00m00s"},
    };
    for (const auto& [nSeconds, text] : table)
        EXPECT_EQ(FormatElapsed(nSeconds).toStdString(), text);
}
