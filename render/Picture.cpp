#include "render/Picture.h"

#include "render/BuiltInImage.h"
#include "render/PictureFile.h"
#include "render/PictureFit.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

constexpr QImage::Format kDisplayFormat = QImage::Format_RGB32;

QImage ToDisplayFormat(const QImage& decoded, const QColor& crMatte)
{
    if (!decoded.hasAlphaChannel())
        return decoded.convertToFormat(kDisplayFormat);
    QImage flat(decoded.size(), kDisplayFormat);
    flat.fill(crMatte);
    QPainter painter(&flat);
    painter.drawImage(0, 0, decoded);
    return flat;
}

// Decoders fill the rest of a file that ends early with grey or black and
// still report success; a picture with such a hole must not replace the one
// held.
bool LostData(const QByteArray& format, const CPictureFile& file)
{
    // These readers ask for exactly the bytes they need next.
    if (format == "bmp" || format == "png")
        return file.ReadShort() || file.HitEnd();
    // These ask for 4 KiB at a time and stop at their own end marker, so
    // only a read that finds nothing left means the data ran out.
    if (format == "jpeg" || format == "jpg" || format == "gif")
        return file.HitEnd();
    // The others read to the end by design and judge their data themselves.
    return false;
}

} // namespace

CPicture::~CPicture()
{
    FreeBitmap();
}

void CPicture::Hold(QImage image)
{
    m_surface = std::move(image);
    m_bHasBitmap = true;
    m_nWidth = m_surface.width();
    m_nHeight = m_surface.height();
}

void CPicture::LoadBitmapResource(int nResourceId)
{
    const QImage sheet = ReadBuiltInImage(QStringLiteral(":/bitmaps/%1.bmp").arg(nResourceId), "BMP");
    if (sheet.isNull())
        return;
    Hold(sheet.convertToFormat(kDisplayFormat));
    m_strPath.clear();
}

void CPicture::LoadPictureFile(const QString& strPath, const QColor& crMatte, const QSize& shown)
{
    if (m_bHasBitmap && !m_strPath.isEmpty() && m_strPath == strPath)
        return;

    // Only regular files: a FIFO or a device would block or never end.
    const QFileInfo info(strPath);
    if (!info.isFile() || !info.isReadable())
        return;

    CPictureFile file(strPath);
    if (!file.Open())
        return;
    QImageReader::setAllocationLimit(kDecodeLimitMb);
    // Read from a device, the format comes from the content, whatever the name says.
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (declared.isValid() && (declared.width() > kMaxSide || declared.height() > kMaxSide))
        return;

    // A picture larger than the canvas is neither scaled nor fitted, and the
    // board shows only its top-left corner: decode just that (JPEG reads only
    // the scan lines it needs).
    const bool bClip = declared.isValid()
        && (declared.width() > shown.width() || declared.height() > shown.height());
    if (bClip)
        reader.setClipRect(QRect(QPoint(0, 0), declared.boundedTo(shown)));
    const QByteArray format = reader.format();
    file.ClearWatch();
    QImage decoded = reader.read();
    if (decoded.isNull() || decoded.width() > kMaxSide || decoded.height() > kMaxSide
        || LostData(format, file))
        return;

    // Without a declared size the whole picture was decoded; keep only the
    // corner shown, before it is converted to a wider pixel format.
    const QSize whole = bClip ? declared : decoded.size();
    if (decoded.width() > shown.width() || decoded.height() > shown.height())
        decoded = decoded.copy(QRect(QPoint(0, 0), decoded.size().boundedTo(shown)));
    Hold(ToDisplayFormat(decoded, crMatte));
    m_nWidth = whole.width();
    m_nHeight = whole.height();
    m_strPath = strPath;
}

bool CPicture::FitToCanvas(int nWidth, int nHeight, const QColor& crBackground, bool bCentreX, bool bCentreY)
{
    const auto offset = PictureFit::Offset(nWidth, nHeight, m_nWidth, m_nHeight, bCentreX, bCentreY);
    if (!offset)
        return false;

    QImage canvas(nWidth, nHeight, kDisplayFormat);
    if (canvas.isNull())
        return false;
    canvas.fill(crBackground);
    if (m_bHasBitmap && m_nWidth > 0 && m_nHeight > 0) {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(offset->x, offset->y), m_surface, QRect(0, 0, m_nWidth, m_nHeight));
    }
    m_surface = std::move(canvas);
    m_bHasBitmap = true;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    return true;
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
    m_strPath.clear();
}
