#include "FrameChecks.h"

#include "TestSupport.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

namespace FrameChecks {

std::vector<int> HomeOrder(int nSize)
{
    std::vector<int> cells(static_cast<std::size_t>(nSize * nSize));
    std::iota(cells.begin(), cells.end(), 0);
    return cells;
}

QImage LetterSheet(int nSize)
{
    const int nId = nSize == 3 ? 145 : nSize == 5 ? 147 : 144;
    return QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(nId)).convertToFormat(QImage::Format_RGB32);
}

QImage ExpectedBoard(int nSize, const std::vector<int>& cells, const QImage& tilePicture)
{
    const QColor white(255, 255, 255);
    const QColor& face = CTestEnvironment::kFace;
    const QColor& shadow = CTestEnvironment::kShadow;
    const QColor& dark = CTestEnvironment::kDarkShadow;
    // Ring n (counted from the outside) is topLeft[n] on its top and left
    // lines and bottomRight[n] on its right and bottom lines, which are drawn
    // last and run the full length.
    const QColor topLeft[5] = {face, white, face, dark, shadow};
    const QColor bottomRight[5] = {dark, shadow, white, face, dark};
    QImage board(kBoard, kBoard, QImage::Format_RGB32);
    for (int y = 0; y < kBoard; ++y) {
        for (int x = 0; x < kBoard; ++x) {
            const int nRing = std::min(std::min(x, y), std::min(kBoard - 1 - x, kBoard - 1 - y));
            const bool bFar = x == kBoard - 1 - nRing || y == kBoard - 1 - nRing;
            board.setPixelColor(x, y, nRing > 4 ? face : bFar ? bottomRight[nRing] : topLeft[nRing]);
        }
    }
    const int t = (kBoard - 8) / nSize;
    QPainter painter(&board);
    for (int cell = 0; cell < nSize * nSize; ++cell) {
        const int tile = cells[cell];
        if (tile != nSize * nSize - 1)
            painter.drawImage(4 + t * (cell % nSize), 4 + t * (cell / nSize), tilePicture, t * (tile % nSize),
                              t * (tile / nSize), t, t);
    }
    return board;
}

QString BoardDiff(const QImage& frame, int nSize, const QImage& tilePicture, const std::vector<int>& cells,
                  int nTolerance)
{
    const QImage board = ExpectedBoard(nSize, cells.empty() ? HomeOrder(nSize) : cells, tilePicture);
    return FirstDifference(frame, QRect(0, 0, kBoard, kBoard), board, nTolerance);
}

QString FirstDifference(const QImage& actual, const QRect& area, const QImage& expected, int nTolerance)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb got = actual.pixel(x, y);
            const QRgb want = expected.pixel(x - area.left(), y - area.top());
            if (qAbs(qRed(got) - qRed(want)) > nTolerance || qAbs(qGreen(got) - qGreen(want)) > nTolerance
                || qAbs(qBlue(got) - qBlue(want)) > nTolerance)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(got).name(), QColor(want).name());
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
