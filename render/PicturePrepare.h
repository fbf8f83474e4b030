#pragma once

#include "render/PictureResult.h"

#include <QColor>
#include <QString>

// The side of the tile picture's square canvas.
constexpr int kPictureCanvasSide = 232;

// The tile picture made from a picture file: upright, on a canvas of the
// background colour, in its middle when it fits, else its top-left corner;
// see-through pixels show the background. Prepared once per version of the
// file: later calls take it from the cache folder.
SPictureResult PreparePicture(const QString& strPath, const QSize& canvas, const QColor& crBackground);
