#include "render/PicturePrepare.h"

#include "render/PictureCache.h"
#include "render/PictureDecode.h"

#include <QFileInfo>
#include <QPainter>

namespace {

QImage OnBackground(const QImage& layer, const QColor& crBackground)
{
    QImage tiles(layer.size(), QImage::Format_RGB32);
    tiles.fill(crBackground);
    QPainter painter(&tiles);
    painter.drawImage(0, 0, layer);
    painter.end();
    return tiles;
}

} // namespace

SPictureResult PreparePicture(const QString& strPath, const SPictureTarget& target, const QColor& crBackground,
                              const std::atomic_bool* pCancel)
{
    const QFileInfo info(strPath);
    if (!info.exists() || !info.isReadable())
        return {{}, EPictureFault::Missing};
    // Only regular files: a FIFO or a device would block or never end.
    const std::optional<SPictureKey> key = SPictureKey::Of(strPath, target);
    if (!key)
        return {{}, EPictureFault::NotAPicture};

    QImage layer = PictureCache::Read(*key);
    if (layer.isNull()) {
        const SPictureResult decoded = target.bFit
                                           ? PictureDecode::DecodeFitted(strPath, target.size.width(), pCancel)
                                           : PictureDecode::DecodeOnCanvas(strPath, target.size, pCancel);
        // A decode cut short may still have given pixels: never kept.
        if (pCancel && pCancel->load())
            return {{}, EPictureFault::NotAPicture};
        if (decoded.image.isNull())
            return decoded;
        layer = decoded.image;
        PictureCache::Write(*key, layer);
    }
    return {OnBackground(layer, crBackground), EPictureFault::None};
}

QImage CachedPicture(const QString& strPath, const SPictureTarget& target, const QColor& crBackground)
{
    const std::optional<SPictureKey> key = SPictureKey::Of(strPath, target);
    const QImage layer = key ? PictureCache::Read(*key) : QImage();
    return layer.isNull() ? QImage() : OnBackground(layer, crBackground);
}
