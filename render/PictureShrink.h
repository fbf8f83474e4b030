#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// A square of a picture made smaller as its pixels arrive: each pixel of the
// square counts toward the one pixel of the result it falls in, and each
// result pixel is the mean of its own. Pixels may come in any order and row
// by row in parts (the passes of an interlaced file), so memory stays at the
// result's size however large the picture is.
class CPictureShrink
{
public:
    // square: in the picture's pixels; nSide: the result's, at most the
    // square's and more than a 4000th of it, so that the sums fit 32 bits.
    CPictureShrink(const QRect& square, int nSide);

    // nCount premultiplied RGBA pixels of row y, the first at x0, the next
    // ones nStep apart; those outside the square are passed over.
    void Add(int y, int x0, int nStep, const uchar* pPixels, int nCount);
    // Premultiplied RGBA; right once every pixel of the square has come.
    QImage Result() const;

private:
    QRect m_square;
    int m_nSide;
    std::vector<int> m_columnOf;  // the result column of each column of the square
    std::vector<int> m_rowOf;
    std::vector<int> m_columnCount;  // how many columns of the square each result column takes
    std::vector<int> m_rowCount;
    std::vector<quint32> m_sums;  // four a result pixel
};
