#pragma once

#include "render/PictureResult.h"

#include <QColor>
#include <QString>

#include <atomic>

// The side of the tile picture's square canvas when the picture is not fitted.
constexpr int kPictureCanvasSide = 232;

// The tile picture made from a picture file for the target (see
// SPictureTarget), on the background colour, which see-through pixels show.
// Prepared once per version of the file and target: later calls take it from
// the cache folder. A set cancel flag ends the work soon, and nothing is kept.
SPictureResult PreparePicture(const QString& strPath, const SPictureTarget& target, const QColor& crBackground,
                              const std::atomic_bool* pCancel = nullptr);

// The same when the cache folder holds it, else a null image; nothing is decoded.
QImage CachedPicture(const QString& strPath, const SPictureTarget& target, const QColor& crBackground);
