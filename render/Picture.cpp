#include "render/Picture.h"

#include "render/BuiltInImage.h"

#include <QPainter>

namespace {

constexpr QImage::Format kDisplayFormat = QImage::Format_RGB32;

} // namespace

CPicture::~CPicture()
{
    FreeBitmap();
}

void CPicture::Hold(const QImage& image)
{
    m_surface = image.convertToFormat(kDisplayFormat);
    m_bHasBitmap = true;
    m_nWidth = m_surface.width();
    m_nHeight = m_surface.height();
}

void CPicture::LoadBitmapResource(int nResourceId)
{
    const QImage sheet = ReadBuiltInImage(QStringLiteral(":/bitmaps/%1.bmp").arg(nResourceId), "BMP");
    if (!sheet.isNull())
        Hold(sheet);
}

bool CPicture::CopyRectTo(QPainter& target, int x, int y, const SRect& source) const
{
    if (!m_bHasBitmap)
        return false;
    const QPainter::CompositionMode previous = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_Source);
    target.drawImage(QPoint(x, y), m_surface, QRect(source.left, source.top, source.Width(), source.Height()));
    target.setCompositionMode(previous);
    return true;
}

void CPicture::FreeBitmap()
{
    if (!m_bHasBitmap)
        return;
    m_surface = QImage();
    m_bHasBitmap = false;
}
