#pragma once

#include "render/PictureResult.h"

class QIODevice;

namespace PicturePng {

// Whether the device holds a PNG; reads nothing away.
bool IsPng(QIODevice& device);

// Decodes only the rows the corner needs (every pass of an interlaced file),
// so memory stays at the corner's rows however tall the picture is. A file
// that ends early or fails its checksums is refused, never padded.
SPictureCorner ReadCorner(QIODevice& device, const QSize& corner, int nMaxSide);

// The picture's middle square, made nSide pixels square (or left at its own
// size when smaller) as its rows are read: memory stays at the result's size
// however large the picture is, interlaced or not. Damage is found as by ReadCorner.
SPictureCorner ReadSquare(QIODevice& device, int nSide, int nMaxSide);

} // namespace PicturePng
