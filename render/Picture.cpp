#include "render/Picture.h"

#include "render/BuiltInImage.h"


namespace {

constexpr QImage::Format kDisplayFormat = QImage::Format_RGB32;

} // namespace

void CPicture::Hold(const QImage& image)
{
    m_surface = image.convertToFormat(kDisplayFormat);
}

void CPicture::LoadBitmapResource(int nResourceId)
{
    const QImage sheet = ReadBuiltInImage(QStringLiteral(":/bitmaps/%1.bmp").arg(nResourceId), "BMP");
    if (!sheet.isNull())
        Hold(sheet);
}
