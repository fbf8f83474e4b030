#include "render/TilePicture.h"

#include "render/BuiltInImage.h"
#include "render/PicturePrepare.h"

namespace {

constexpr QImage::Format kDisplayFormat = QImage::Format_RGB32;

} // namespace

STilePicture MakeTilePicture(bool bUsePicture, const QString& strPath, int nGridSize, const QColor& crFace)
{
    if (bUsePicture && !strPath.isEmpty()) {
        const SPictureResult picture =
            PreparePicture(strPath, QSize(kPictureCanvasSide, kPictureCanvasSide), crFace);
        if (!picture.image.isNull())
            return {picture.image.convertToFormat(kDisplayFormat), true};
    }
    const int nSheet = nGridSize == 3 ? 145 : nGridSize == 5 ? 147 : 144;
    const QString strSheet = QStringLiteral(":/bitmaps/") + QString::number(nSheet) + QStringLiteral(".bmp");
    const QImage sheet = ReadBuiltInImage(strSheet, "BMP");
    return {sheet.convertToFormat(kDisplayFormat), false};
}
