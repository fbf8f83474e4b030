#include "FrameChecks.h"

#include "TestSupport.h"

#include <algorithm>
#include <numeric>

namespace FrameChecks {

namespace {

QString Hex(QRgb rgb)
{
    return QColor(rgb).name();
}

} // namespace

std::vector<int> HomeOrder(int nSize)
{
    std::vector<int> cells(static_cast<std::size_t>(nSize * nSize));
    std::iota(cells.begin(), cells.end(), 0);
    return cells;
}

QColor RingColour(int x, int y, int nBoard)
{
    if (x < 0 || y < 0 || x >= nBoard || y >= nBoard)
        return {};
    const int nRing = std::min(std::min(x, y), std::min(nBoard - 1 - x, nBoard - 1 - y));
    if (nRing > 4)
        return {};
    const QColor white(255, 255, 255);
    const QColor& face = CTestEnvironment::kFace;
    const QColor& shadow = CTestEnvironment::kShadow;
    const QColor& dark = CTestEnvironment::kDarkShadow;
    const QColor topLeft[5] = {face, white, face, dark, shadow};
    const QColor bottomRight[5] = {dark, shadow, white, face, dark};
    // Right and bottom lines are drawn last and run the full length.
    const int far = nBoard - 1 - nRing;
    return x == far || y == far ? bottomRight[nRing] : topLeft[nRing];
}

QImage LetterSheet(int nSize)
{
    const int nId = nSize == 3 ? 145 : nSize == 5 ? 147 : 144;
    return QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(nId)).convertToFormat(QImage::Format_RGB32);
}

QImage ExpectedBoard(int nSize, const std::vector<int>& cells, const QImage& tilePicture)
{
    QImage board(kBoard, kBoard, QImage::Format_RGB32);
    for (int y = 0; y < kBoard; ++y) {
        for (int x = 0; x < kBoard; ++x) {
            const QColor ring = RingColour(x, y);
            board.setPixel(x, y, (ring.isValid() ? ring : CTestEnvironment::kFace).rgb());
        }
    }
    const int t = (kBoard - 8) / nSize;
    const int nBlank = nSize * nSize - 1;
    for (int cell = 0; cell < nSize * nSize; ++cell) {
        const int tile = cells[cell];
        if (tile == nBlank)
            continue;
        const int x0 = 4 + t * (cell % nSize);
        const int y0 = 4 + t * (cell / nSize);
        const int sx = t * (tile % nSize);
        const int sy = t * (tile / nSize);
        for (int dy = 0; dy < t; ++dy)
            for (int dx = 0; dx < t; ++dx)
                board.setPixel(x0 + dx, y0 + dy, tilePicture.pixel(sx + dx, sy + dy));
    }
    return board;
}

QString FirstDifference(const QImage& actual, const QRect& area, const QImage& expected)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb got = actual.pixel(x, y) | 0xff000000u;
            const QRgb want = expected.pixel(x - area.left(), y - area.top()) | 0xff000000u;
            if (got != want)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4").arg(x).arg(y).arg(Hex(got), Hex(want));
        }
    }
    return {};
}

QString FirstPixelNot(const QImage& actual, const QRect& area, const QColor& colour)
{
    QImage plain(area.size(), QImage::Format_RGB32);
    plain.fill(colour);
    return FirstDifference(actual, area, plain);
}

QImage Halve(const QImage& doubled, QString& strWhy)
{
    QImage half(doubled.width() / 2, doubled.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            const QRgb rgb = doubled.pixel(2 * x, 2 * y);
            if (doubled.pixel(2 * x + 1, 2 * y) != rgb || doubled.pixel(2 * x, 2 * y + 1) != rgb
                || doubled.pixel(2 * x + 1, 2 * y + 1) != rgb) {
                strWhy = QStringLiteral("the block of logical pixel (%1, %2) is not of one colour").arg(x).arg(y);
                return {};
            }
            half.setPixel(x, y, rgb);
        }
    }
    return half;
}

} // namespace FrameChecks
