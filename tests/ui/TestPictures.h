#pragma once

#include <QImage>
#include <QString>

// Picture files for the tile-picture tests: pixels that tell where they are,
// and GIF files, which Qt reads but cannot write.
namespace TestPictures {

// Pixel (x, y) is (x mod 256, y mod 256, 16 * (x div 256) + y div 256) + nShift
// on each channel, so no two pixels of a picture up to 4096 wide share a colour.
QImage Coordinates(int nWidth, int nHeight, int nShift = 0);

} // namespace TestPictures
