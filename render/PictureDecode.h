#pragma once

#include "render/PictureResult.h"

#include <QString>

#include <atomic>

namespace PictureDecode {

// The most pixels a side may have, and the most one decode may allocate for
// its pixels, in MB. Pictures larger than what is shown decode only that part
// where the format can (JPEG, PNG), so the allocation limit bounds the
// formats that must decode whole: 128 MB holds a 33-megapixel picture at 4
// bytes a pixel, more than a 24-megapixel photo, while a 10000 x 10000
// header (400 MB) is refused unallocated.
constexpr int kMaxSide = 10000;
constexpr int kDecodeLimitMb = 128;
// The most a JPEG decoder may hold for the coefficients of a progressive
// picture, in MB: a 24-megapixel photo in full colour takes 137.
constexpr int kBufferedLimitMb = 144;

// Gives the decoders their allocation limit; the application calls it once, at start.
void SetDecodeLimit();

// Whether pictures in this format (as QImageReader names it) are shown at all.
bool IsShown(const QByteArray& format);

// The picture in the file, turned upright as its orientation tag says, on a
// transparent canvas: in the middle when it fits, else its top-left corner.
// The path must name a regular file. A set cancel flag ends the work soon,
// with any result.
SPictureResult DecodeOnCanvas(const QString& strPath, const QSize& canvas,
                              const std::atomic_bool* pCancel = nullptr);

// The upright picture's middle square, scaled to nSide pixels square;
// see-through where the picture is.
SPictureResult DecodeFitted(const QString& strPath, int nSide, const std::atomic_bool* pCancel = nullptr);

} // namespace PictureDecode
