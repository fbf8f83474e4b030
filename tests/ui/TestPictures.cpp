#include "TestPictures.h"

namespace TestPictures {

QImage Coordinates(int nWidth, int nHeight, int nShift)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const int blue = 16 * (x / 256) + y / 256;
            image.setPixel(x, y, qRgb((x + nShift) & 0xff, (y + nShift) & 0xff, (blue + nShift) & 0xff));
        }
    }
    return image;
}

} // namespace TestPictures
