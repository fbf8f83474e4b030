#include "render/PicturePrepare.h"

#include "render/PictureCache.h"
#include "render/PictureDecode.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>

SPictureResult PreparePicture(const QString& strPath, const QSize& canvas, const QColor& crBackground)
{
    const QFileInfo info(strPath);
    if (!info.exists() || !info.isReadable())
        return {{}, EPictureFault::Missing};
    // Only regular files: a FIFO or a device would block or never end.
    if (!info.isFile())
        return {{}, EPictureFault::NotAPicture};

    const SPictureKey key{info.absoluteFilePath(), info.size(), info.lastModified().toMSecsSinceEpoch(), canvas};
    QImage layer = PictureCache::Read(key);
    if (layer.isNull()) {
        const SPictureResult decoded = PictureDecode::DecodeOnCanvas(strPath, canvas);
        if (decoded.image.isNull())
            return decoded;
        layer = decoded.image;
        PictureCache::Write(key, layer);
    }

    QImage tiles(canvas, QImage::Format_RGB32);
    tiles.fill(crBackground);
    QPainter painter(&tiles);
    painter.drawImage(0, 0, layer);
    painter.end();
    return {tiles, EPictureFault::None};
}
