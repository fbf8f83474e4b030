#include "render/PictureShrink.h"

#include <algorithm>

namespace {

// Source index i of nLength falls in result index i * nSide / nLength.
void Spread(int nLength, int nSide, std::vector<int>& indexOf, std::vector<int>& count)
{
    indexOf.resize(std::size_t(nLength));
    count.assign(std::size_t(nSide), 0);
    for (int i = 0; i < nLength; ++i) {
        indexOf[std::size_t(i)] = static_cast<int>(qint64(i) * nSide / nLength);
        ++count[std::size_t(indexOf[std::size_t(i)])];
    }
}

} // namespace

CPictureShrink::CPictureShrink(const QRect& square, int nSide)
    : m_square(square)
    , m_nSide(nSide)
    , m_sums(std::size_t(nSide) * std::size_t(nSide) * 4)
{
    Spread(square.width(), nSide, m_columnOf, m_columnCount);
    Spread(square.height(), nSide, m_rowOf, m_rowCount);
}

void CPictureShrink::Add(int y, int x0, int nStep, const uchar* pPixels, int nCount)
{
    if (y < m_square.top() || y > m_square.bottom())
        return;
    quint32* pRow = m_sums.data() + std::size_t(m_rowOf[std::size_t(y - m_square.top())]) * std::size_t(m_nSide) * 4;
    // Only the pixels inside the square: the first at or right of its left edge, the last left of its right.
    const int nFirst = x0 >= m_square.left() ? 0 : (m_square.left() - x0 + nStep - 1) / nStep;
    const int nEnd = x0 > m_square.right() ? 0 : std::min(nCount, (m_square.right() - x0) / nStep + 1);
    const int* pColumnOf = m_columnOf.data() + (x0 - m_square.left());
    for (int i = nFirst; i < nEnd; ++i) {
        quint32* pSum = pRow + std::size_t(pColumnOf[i * nStep]) * 4;
        const uchar* pPixel = pPixels + std::size_t(i) * 4;
        pSum[0] += pPixel[0];
        pSum[1] += pPixel[1];
        pSum[2] += pPixel[2];
        pSum[3] += pPixel[3];
    }
}

QImage CPictureShrink::Result() const
{
    QImage result(m_nSide, m_nSide, QImage::Format_RGBA8888_Premultiplied);
    if (result.isNull())
        return result;
    for (int y = 0; y < m_nSide; ++y) {
        uchar* pOut = result.scanLine(y);
        const quint32* pSum = m_sums.data() + std::size_t(y) * std::size_t(m_nSide) * 4;
        for (int x = 0; x < m_nSide; ++x) {
            const quint32 nCount = quint32(m_columnCount[std::size_t(x)]) * quint32(m_rowCount[std::size_t(y)]);
            for (int c = 0; c < 4; ++c)
                pOut[x * 4 + c] = static_cast<uchar>((pSum[x * 4 + c] + nCount / 2) / qMax(nCount, 1U));
        }
    }
    return result;
}
