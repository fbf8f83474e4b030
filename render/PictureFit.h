#pragma once

#include "render/BoardGeometry.h"

#include <optional>

namespace PictureFit {

// Where a picture of nWidth x nHeight goes on an nCanvasWidth x nCanvasHeight
// canvas; nothing when it is larger than the canvas either way (such a picture
// is neither scaled nor cropped).
std::optional<SPoint> Offset(int nCanvasWidth, int nCanvasHeight, int nWidth, int nHeight,
                             bool bCentreX, bool bCentreY);

} // namespace PictureFit
