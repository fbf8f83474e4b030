#include "render/PictureDecode.h"

#include "render/PictureFile.h"
#include "render/PictureFit.h"
#include "render/PictureJpeg.h"
#include "render/PicturePng.h"
#include "render/PictureShrink.h"

#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>

namespace {

using Transformations = QImageIOHandler::Transformations;
using PictureDecode::kDecodeLimitMb;
using PictureDecode::kMaxSide;

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

// What can be told before any pixel is decoded. The MNG reader builds its
// frames in memory of its own, beyond the decode limit, whatever size the file
// declares; a progressive JPEG's decoder holds the coefficients of the whole
// picture, which a header of a few bytes can make gigabytes.
EPictureFault Check(QImageReader& reader, CPictureFile& file, const QString& strPath)
{
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return UnknownContent(strPath);
    if (!PictureDecode::IsShown(format))
        return EPictureFault::UnreadableFormat;
    const QSize stored = reader.size();
    if (stored.width() > kMaxSide || stored.height() > kMaxSide)
        return EPictureFault::TooLarge;
    if (format == "jpeg" && PictureJpeg::BufferedBytes(file) > (qint64(PictureDecode::kBufferedLimitMb) << 20))
        return EPictureFault::TooLarge;
    // The WebP reader takes the whole file into memory first.
    if (format == "webp" && file.size() > (qint64(kDecodeLimitMb) << 20))
        return EPictureFault::TooLarge;
    return EPictureFault::None;
}

// Readers that cannot cut the part asked for decode the whole picture first.
bool TooLargeWhole(const QImageReader& reader, const QSize& stored)
{
    const qint64 nWholeMb = (qint64(stored.width()) * stored.height() * 4) >> 20;
    return !reader.supportsOption(QImageIOHandler::ClipRect) && nWholeMb >= kDecodeLimitMb;
}

QImage Decode(QImageReader& reader, CPictureFile& file)
{
    // The reader forgets its format once it has read.
    const QByteArray format = reader.format();
    file.ClearWatch();
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxSide || image.height() > kMaxSide || LostData(format, file))
        return QImage();
    return image;
}

SPictureCorner ReadCorner(const QString& strPath, const QSize& canvas, const std::atomic_bool* pCancel)
{
    CPictureFile file(strPath, pCancel);
    if (!file.Open())
        return {{}, {}, EPictureFault::Missing};
    if (PicturePng::IsPng(file))
        return PicturePng::ReadCorner(file, canvas, kMaxSide);

    // Read from a device, the format comes from the content, whatever the name says.
    QImageReader reader(&file);
    if (const EPictureFault eFault = Check(reader, file, strPath); eFault != EPictureFault::None)
        return {{}, {}, eFault};
    const QSize stored = reader.size();
    reader.setAutoTransform(true);
    const Transformations transform = reader.transformation();
    const QSize upright = transform & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
    if (stored.isValid()) {
        const QRect clip = StoredRect(QRect(QPoint(0, 0), upright.boundedTo(canvas)), stored, transform);
        if (TooLargeWhole(reader, stored))
            return {{}, upright, EPictureFault::TooLarge};
        if (clip.size() != stored)
            reader.setClipRect(clip);
    }
    const QImage image = Decode(reader, file);
    if (image.isNull())
        return {{}, {}, EPictureFault::NotAPicture};
    // Without a declared size the whole picture was decoded.
    const QSize whole = stored.isValid() ? upright : image.size();
    return {image.copy(QRect(QPoint(0, 0), image.size().boundedTo(canvas))), whole, EPictureFault::None};
}

// The middle square of the image, made nSide pixels square when larger, row by row.
QImage MiddleSquare(const QImage& image, int nSide, const std::atomic_bool* pCancel)
{
    const int nSquare = std::min(image.width(), image.height());
    const QRect square((image.width() - nSquare) / 2, (image.height() - nSquare) / 2, nSquare, nSquare);
    if (nSquare <= nSide)
        return image.copy(square);
    CPictureShrink shrink(square, nSide);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        if (pCancel && pCancel->load())
            return QImage();
        const QImage row = image.copy(square.left(), y, nSquare, 1);
        const QImage pixels = row.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        shrink.Add(y, square.left(), 1, pixels.constBits(), nSquare);
    }
    return shrink.Result();
}

SPictureCorner ReadSquare(const QString& strPath, int nSide, const std::atomic_bool* pCancel)
{
    CPictureFile file(strPath, pCancel);
    if (!file.Open())
        return {{}, {}, EPictureFault::Missing};
    if (PicturePng::IsPng(file))
        return PicturePng::ReadSquare(file, nSide, kMaxSide);

    QImageReader reader(&file);
    if (const EPictureFault eFault = Check(reader, file, strPath); eFault != EPictureFault::None)
        return {{}, {}, eFault};
    const QSize stored = reader.size();
    reader.setAutoTransform(true);
    if (stored.isValid()) {
        if (TooLargeWhole(reader, stored))
            return {{}, stored, EPictureFault::TooLarge};
        // The middle square turned upright is the middle square of the stored
        // picture. A JPEG is scaled while decoded by halves, down to an
        // eighth, where the square starts and ends on whole steps.
        int nStep = 1;
        const int nStored = std::min(stored.width(), stored.height());
        while (nStep < 8 && nStored / (nStep * 2) >= nSide)
            nStep *= 2;
        const int nSquare = nStored / nStep * nStep;
        const QRect clip((stored.width() - nSquare) / 2 / nStep * nStep,
                         (stored.height() - nSquare) / 2 / nStep * nStep, nSquare, nSquare);
        if (reader.supportsOption(QImageIOHandler::ClipRect) && clip.size() != stored) {
            reader.setClipRect(clip);
            if (reader.supportsOption(QImageIOHandler::ScaledSize) && nSquare > nSide)
                reader.setScaledSize(QSize(nSide, nSide));
        }
    }
    const QImage image = Decode(reader, file);
    if (image.isNull())
        return {{}, {}, EPictureFault::NotAPicture};
    const QImage square = MiddleSquare(image, nSide, pCancel);
    return {square, stored, square.isNull() ? EPictureFault::NotAPicture : EPictureFault::None};
}

} // namespace

namespace PictureDecode {

void SetDecodeLimit()
{
    QImageReader::setAllocationLimit(kDecodeLimitMb);
}

bool IsShown(const QByteArray& format)
{
    return format != "mng";
}

SPictureResult DecodeOnCanvas(const QString& strPath, const QSize& canvas, const std::atomic_bool* pCancel)
{
    const SPictureCorner picture = ReadCorner(strPath, canvas, pCancel);
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

SPictureResult DecodeFitted(const QString& strPath, int nSide, const std::atomic_bool* pCancel)
{
    const SPictureCorner picture = ReadSquare(strPath, nSide, pCancel);
    if (picture.corner.isNull())
        return {{}, picture.eFault == EPictureFault::None ? EPictureFault::NotAPicture : picture.eFault};
    QImage layer = picture.corner.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (layer.width() != nSide)
        layer = layer.scaled(nSide, nSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {layer, EPictureFault::None};
}

} // namespace PictureDecode
