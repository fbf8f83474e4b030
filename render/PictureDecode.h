#pragma once

#include "render/PictureResult.h"

#include <QString>

namespace PictureDecode {

// The most pixels a side may have, and the most one decode may allocate for
// its pixels, in MB. Pictures larger than the canvas decode only their shown
// corner where the format can (JPEG, PNG), so the allocation limit bounds the
// formats that must decode whole: 128 MB holds a 33-megapixel picture at 4
// bytes a pixel, more than a 24-megapixel photo, while a 10000 x 10000
// header (400 MB) is refused unallocated.
constexpr int kMaxSide = 10000;
constexpr int kDecodeLimitMb = 128;

// Gives the decoders their allocation limit; the application calls it once, at start.
void SetDecodeLimit();

// The picture in the file, turned upright as its orientation tag says, on a
// transparent canvas: in the middle when it fits, else its top-left corner.
// The path must name a regular file.
SPictureResult DecodeOnCanvas(const QString& strPath, const QSize& canvas);

} // namespace PictureDecode
