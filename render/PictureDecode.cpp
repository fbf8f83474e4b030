#include "render/PictureDecode.h"

#include "render/PictureFile.h"
#include "render/PictureFit.h"
#include "render/PicturePng.h"

#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>

namespace {

using Transformations = QImageIOHandler::Transformations;

// Decoders fill the rest of a file that ends early with grey or black and
// still report success; a picture with such a hole is refused.
bool LostData(const QByteArray& format, const CPictureFile& file)
{
    // These readers ask for exactly the bytes they need next.
    if (format == "bmp")
        return file.ReadShort() || file.HitEnd();
    // These ask for 4 KiB at a time and stop at their own end marker, so
    // only a read that finds nothing left means the data ran out.
    if (format == "jpeg" || format == "jpg" || format == "gif")
        return file.HitEnd();
    // The others read to the end by design and judge their data themselves.
    return false;
}

// The rectangle of the stored picture that becomes rect of the upright one.
// Readers mirror and flip first, then turn a quarter clockwise.
QRect StoredRect(QRect rect, const QSize& stored, Transformations transform)
{
    if (transform & QImageIOHandler::TransformationRotate90)
        rect = QRect(rect.y(), stored.height() - rect.x() - rect.width(), rect.height(), rect.width());
    if (transform & QImageIOHandler::TransformationMirror)
        rect.moveLeft(stored.width() - rect.x() - rect.width());
    if (transform & QImageIOHandler::TransformationFlip)
        rect.moveTop(stored.height() - rect.y() - rect.height());
    return rect;
}

// What no reader could open: a picture in a format unknown here, or no picture at all.
EPictureFault UnknownContent(const QString& strPath)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(strPath, QMimeDatabase::MatchContent);
    return type.name().startsWith(QLatin1String("image/")) ? EPictureFault::UnreadableFormat
                                                           : EPictureFault::NotAPicture;
}

SPictureCorner ReadCorner(const QString& strPath, const QSize& canvas)
{
    CPictureFile file(strPath);
    if (!file.Open())
        return {{}, {}, EPictureFault::Missing};
    if (PicturePng::IsPng(file))
        return PicturePng::ReadCorner(file, canvas, PictureDecode::kMaxSide);

    // Read from a device, the format comes from the content, whatever the name says.
    QImageReader reader(&file);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return {{}, {}, UnknownContent(strPath)};
    const QSize stored = reader.size();
    if (stored.width() > PictureDecode::kMaxSide || stored.height() > PictureDecode::kMaxSide)
        return {{}, stored, EPictureFault::TooLarge};

    reader.setAutoTransform(true);
    const Transformations transform = reader.transformation();
    const QSize upright = transform & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
    if (stored.isValid()) {
        const QRect clip = StoredRect(QRect(QPoint(0, 0), upright.boundedTo(canvas)), stored, transform);
        // Readers that cannot clip decode the whole picture first.
        const qint64 nWholeMb = (qint64(stored.width()) * stored.height() * 4) >> 20;
        if (!reader.supportsOption(QImageIOHandler::ClipRect) && nWholeMb >= PictureDecode::kDecodeLimitMb)
            return {{}, upright, EPictureFault::TooLarge};
        if (clip.size() != stored)
            reader.setClipRect(clip);
    }
    file.ClearWatch();
    QImage image = reader.read();
    if (image.isNull() || image.width() > PictureDecode::kMaxSide || image.height() > PictureDecode::kMaxSide
        || LostData(format, file))
        return {{}, {}, EPictureFault::NotAPicture};
    // Without a declared size the whole picture was decoded.
    const QSize whole = stored.isValid() ? upright : image.size();
    return {image.copy(QRect(QPoint(0, 0), image.size().boundedTo(canvas))), whole, EPictureFault::None};
}

} // namespace

namespace PictureDecode {

void SetDecodeLimit()
{
    QImageReader::setAllocationLimit(kDecodeLimitMb);
}

SPictureResult DecodeOnCanvas(const QString& strPath, const QSize& canvas)
{
    const SPictureCorner picture = ReadCorner(strPath, canvas);
    if (picture.corner.isNull())
        return {{}, picture.eFault == EPictureFault::None ? EPictureFault::NotAPicture : picture.eFault};
    // A picture larger than the canvas either way is neither scaled nor
    // centred: the board shows its top-left corner.
    const auto offset = PictureFit::Offset(canvas.width(), canvas.height(), picture.whole.width(),
                                           picture.whole.height(), true, true);
    QImage layer(canvas, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(offset ? QPoint(offset->x, offset->y) : QPoint(0, 0), picture.corner);
    painter.end();
    return {layer, EPictureFault::None};
}

} // namespace PictureDecode
