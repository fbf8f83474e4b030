#include "render/PictureJpeg.h"

#include <QIODevice>
#include <QList>

#include <algorithm>

namespace {

struct SComponent
{
    int nHorizontal{};
    int nVertical{};
};

int ReadByte(QIODevice& device)
{
    char c{};
    return device.getChar(&c) ? static_cast<unsigned char>(c) : -1;
}

int ReadWord(QIODevice& device)
{
    const int nHigh = ReadByte(device);
    const int nLow = ReadByte(device);
    return nHigh < 0 || nLow < 0 ? -1 : nHigh << 8 | nLow;
}

qint64 RoundUp(qint64 n, qint64 nStep)
{
    return (n + nStep - 1) / nStep * nStep;
}

// As the decoder sizes them: each colour's blocks, in whole groups of its sampling factors.
qint64 CoefficientBytes(int nWidth, int nHeight, const QList<SComponent>& components)
{
    int nMaxH = 1;
    int nMaxV = 1;
    for (const SComponent& c : components) {
        nMaxH = std::max(nMaxH, c.nHorizontal);
        nMaxV = std::max(nMaxV, c.nVertical);
    }
    qint64 nBlocks = 0;
    for (const SComponent& c : components) {
        const qint64 nAcross = RoundUp(qint64(nWidth) * c.nHorizontal, 8LL * nMaxH) / (8LL * nMaxH);
        const qint64 nDown = RoundUp(qint64(nHeight) * c.nVertical, 8LL * nMaxV) / (8LL * nMaxV);
        nBlocks += RoundUp(nAcross, c.nHorizontal) * RoundUp(nDown, c.nVertical);
    }
    return nBlocks * 64 * 2;
}

qint64 ReadHeader(QIODevice& device)
{
    if (ReadWord(device) != 0xFFD8)
        return -1;
    bool bProgressive = false;
    int nWidth = 0;
    int nHeight = 0;
    QList<SComponent> components;
    for (;;) {
        int nMarker = ReadByte(device);
        if (nMarker != 0xFF)
            return -1;
        while (nMarker == 0xFF)
            nMarker = ReadByte(device);
        const int nLength = ReadWord(device);
        if (nMarker < 0 || nLength < 2)
            return -1;
        const qint64 nNext = device.pos() + nLength - 2;
        const bool bFrame = nMarker >= 0xC0 && nMarker <= 0xCF && nMarker != 0xC4 && nMarker != 0xC8 && nMarker != 0xCC;
        if (bFrame) {
            bProgressive = (nMarker & 3) == 2;
            components.clear();
            ReadByte(device);  // sample precision
            nHeight = ReadWord(device);
            nWidth = ReadWord(device);
            const int nCount = ReadByte(device);
            for (int i = 0; i < nCount; ++i) {
                ReadByte(device);  // component id
                const int nSampling = ReadByte(device);
                ReadByte(device);  // quantisation table
                if (nSampling < 0)
                    return -1;
                components.append({std::max(1, nSampling >> 4), std::max(1, nSampling & 15)});
            }
        } else if (nMarker == 0xDA) {
            const int nInScan = ReadByte(device);
            if (components.isEmpty() || nWidth <= 0 || nHeight <= 0 || nInScan < 0)
                return -1;
            const bool bAllAtOnce = !bProgressive && nInScan == components.size();
            return bAllAtOnce ? 0 : CoefficientBytes(nWidth, nHeight, components);
        }
        if (!device.seek(nNext))
            return -1;
    }
}

} // namespace

namespace PictureJpeg {

qint64 BufferedBytes(QIODevice& device)
{
    const qint64 nWas = device.pos();
    const qint64 nBytes = device.seek(0) ? ReadHeader(device) : -1;
    device.seek(nWas);
    return nBytes;
}

} // namespace PictureJpeg
