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

} // namespace PicturePng
