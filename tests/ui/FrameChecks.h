#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

// The board as the player should see it, worked out pixel by pixel from its
// layout rules, and comparisons that name the first pixel that differs.
// Fails the test with the difference that a check below reports.
#define VERIFY_SAME(diff)                                  \
    do {                                                   \
        const QString strDiff_ = (diff);                   \
        QVERIFY2(strDiff_.isEmpty(), qPrintable(strDiff_)); \
    } while (false)

namespace FrameChecks {

constexpr int kBoard = 240;

std::vector<int> HomeOrder(int nSize);

// The built-in letter sheet of a grid size, in the display's format.
QImage LetterSheet(int nSize);

// Face, the five bevelled rings and every tile but the blank, each tile cut
// from tilePicture: what a full repaint of the board square shows.
QImage ExpectedBoard(int nSize, const std::vector<int>& cells, const QImage& tilePicture);

// Empty when the board square of frame is what a repaint of cells (home
// order when empty) shows with tilePicture, each channel within nTolerance.
QString BoardDiff(const QImage& frame, int nSize, const QImage& tilePicture, const std::vector<int>& cells = {},
                  int nTolerance = 0);

// Empty when area of actual equals expected placed with its (0, 0) at
// area's top-left corner, each channel within nTolerance; else where and how
// the first pixel differs.
QString FirstDifference(const QImage& actual, const QRect& area, const QImage& expected, int nTolerance = 0);
// Empty when every pixel of area is colour.
QString FirstPixelNot(const QImage& actual, const QRect& area, const QColor& colour);

// Halves a frame grabbed at twice the scale; empty when some 2 x 2 block is
// not of one colour, and the block is named in strWhy.
QImage Halve(const QImage& doubled, QString& strWhy);

} // namespace FrameChecks
