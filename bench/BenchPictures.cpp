#include "BenchPictures.h"

#include "tools/GifWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cmath>
#include <cstdint>
#include <vector>

namespace BenchPictures {

namespace {

int Clamp(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
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
    if (!CGifWriter::Save(small, SmallGif(strFolder)) || !small.save(SmallBmp(strFolder), "BMP"))
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
