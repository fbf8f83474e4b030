#include "render/PictureFit.h"

namespace PictureFit {

std::optional<SPoint> Offset(int nCanvasWidth, int nCanvasHeight, int nWidth, int nHeight,
                             bool bCentreX, bool bCentreY)
{
    if (nCanvasWidth < nWidth || nCanvasHeight < nHeight)
        return std::nullopt;
    return SPoint{bCentreX ? (nCanvasWidth - nWidth) / 2 : 0,
                  bCentreY ? (nCanvasHeight - nHeight) / 2 : 0};
}

} // namespace PictureFit
