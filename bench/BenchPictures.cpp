#include "BenchPictures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace BenchPictures {

namespace {

int Clamp(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

void PutWord(QByteArray& bytes, int nValue)
{
    bytes.append(static_cast<char>(nValue & 0xff));
    bytes.append(static_cast<char>((nValue >> 8) & 0xff));
}

// LSB-first packing of variable-width LZW codes.
class CCodeWriter
{
public:
    void Put(int nCode, int nBits)
    {
        m_nAccum |= static_cast<std::uint32_t>(nCode) << m_nCount;
        m_nCount += nBits;
        while (m_nCount >= 8) {
            m_data.append(static_cast<char>(m_nAccum & 0xff));
            m_nAccum >>= 8;
            m_nCount -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_nCount > 0)
            m_data.append(static_cast<char>(m_nAccum & 0xff));
        return m_data;
    }

private:
    QByteArray m_data;
    std::uint32_t m_nAccum = 0;
    int m_nCount = 0;
};

// The standard GIF variant of LZW: 8-bit pixels, codes from 9 to 12 bits, a
// clear code when the table is full.
QByteArray Lzw(const QImage& indexed)
{
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    constexpr int kMaxCodes = 4096;
    CCodeWriter out;
    std::unordered_map<std::uint32_t, int> table;
    int nNext = kEnd + 1;
    int nBits = 9;
    out.Put(kClear, nBits);
    int nPrefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int c = line[x];
            if (nPrefix < 0) {
                nPrefix = c;
                continue;
            }
            const std::uint32_t key = (static_cast<std::uint32_t>(nPrefix) << 8) | static_cast<std::uint32_t>(c);
            const auto it = table.find(key);
            if (it != table.end()) {
                nPrefix = it->second;
                continue;
            }
            out.Put(nPrefix, nBits);
            if (nNext < kMaxCodes) {
                table.emplace(key, nNext);
                if (nNext == (1 << nBits) && nBits < 12)
                    ++nBits;
                ++nNext;
            } else {
                out.Put(kClear, nBits);
                table.clear();
                nNext = kEnd + 1;
                nBits = 9;
            }
            nPrefix = c;
        }
    }
    if (nPrefix >= 0)
        out.Put(nPrefix, nBits);
    out.Put(kEnd, nBits);
    return out.Finish();
}

} // namespace

QImage PhotoLike(int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // Slow waves across the frame, so that neighbouring blocks differ.
    std::vector<int> waveX(static_cast<std::size_t>(nWidth));
    std::vector<int> waveY(static_cast<std::size_t>(nHeight));
    for (int x = 0; x < nWidth; ++x)
        waveX[static_cast<std::size_t>(x)] = static_cast<int>(40.0 * std::sin(x * 0.013) + 25.0 * std::sin(x * 0.071));
    for (int y = 0; y < nHeight; ++y)
        waveY[static_cast<std::size_t>(y)] = static_cast<int>(40.0 * std::cos(y * 0.011) + 25.0 * std::sin(y * 0.053));
    std::uint32_t state = 0x2545F491u;
    for (int y = 0; y < nHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int sky = 255 * y / nHeight;
        const int wy = waveY[static_cast<std::size_t>(y)];
        for (int x = 0; x < nWidth; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = static_cast<int>(state & 15) - 8;
            const int wx = waveX[static_cast<std::size_t>(x)];
            // A few hard-edged shapes: the edges JPEG spends its bits on.
            const bool shape = ((x / 350 + y / 270) % 3 == 0) && ((x % 350) < 300) && ((y % 270) < 220);
            const int r = (shape ? 200 : 90 + wx) + grain;
            const int g = (shape ? 70 : 60 + sky / 2 + wy) + grain;
            const int b = (shape ? 40 : 230 - sky / 2 + (wx + wy) / 2) + grain;
            line[x] = qRgb(Clamp(r), Clamp(g), Clamp(b));
        }
    }
    return image;
}

bool SaveGif(const QImage& image, const QString& strPath)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (indexed.isNull() || indexed.colorCount() > 256)
        return false;

    QByteArray bytes("GIF89a");
    PutWord(bytes, indexed.width());
    PutWord(bytes, indexed.height());
    bytes.append(static_cast<char>(0xf7));  // a global table of 256 colours
    bytes.append('\0');
    bytes.append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < indexed.colorCount() ? indexed.color(i) : 0;
        bytes.append(static_cast<char>(qRed(rgb)));
        bytes.append(static_cast<char>(qGreen(rgb)));
        bytes.append(static_cast<char>(qBlue(rgb)));
    }
    bytes.append(',');
    PutWord(bytes, 0);
    PutWord(bytes, 0);
    PutWord(bytes, indexed.width());
    PutWord(bytes, indexed.height());
    bytes.append('\0');

    const QByteArray data = Lzw(indexed);
    bytes.append('\x08');  // minimum code size
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        bytes.append(static_cast<char>(block.size()));
        bytes.append(block);
    }
    bytes.append('\0');
    bytes.append(';');

    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString PhotoJpeg(const QString& strFolder)
{
    return QDir(strFolder).filePath(QStringLiteral("photo24mp.jpg"));
}

QString ProgressivePhotoJpeg(const QString& strFolder)
{
    return QDir(strFolder).filePath(QStringLiteral("photo24mp-progressive.jpg"));
}

QString SmallGif(const QString& strFolder)
{
    return QDir(strFolder).filePath(QStringLiteral("picture640.gif"));
}

QString SmallBmp(const QString& strFolder)
{
    return QDir(strFolder).filePath(QStringLiteral("picture640.bmp"));
}

bool WriteAll(const QString& strFolder)
{
    const QImage small = PhotoLike(kSmallWidth, kSmallHeight);
    if (!SaveGif(small, SmallGif(strFolder)) || !small.save(SmallBmp(strFolder), "BMP"))
        return false;
    const QImage photo = PhotoLike(kPhotoWidth, kPhotoHeight);
    QImageWriter writer(PhotoJpeg(strFolder), "jpeg");
    writer.setQuality(90);
    QImageWriter progressive(ProgressivePhotoJpeg(strFolder), "jpeg");
    progressive.setQuality(90);
    progressive.setProgressiveScanWrite(true);
    return writer.write(photo) && progressive.write(photo);
}

} // namespace BenchPictures
