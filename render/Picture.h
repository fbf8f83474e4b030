#pragma once

#include "render/BoardGeometry.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// The picture the tiles are cut from: a built-in letter sheet or a player's
// picture file, held in the display's pixel format so that painting only copies.
class CPicture
{
public:
    static constexpr int kMaxSide = 10000;
    // The most one decode may allocate for its pixels, in MB. Pictures larger
    // than the canvas decode only their shown corner where the format can
    // (JPEG), so this bounds the formats that must decode whole: 128 MB holds
    // a 33-megapixel picture at 4 bytes a pixel, more than a 24-megapixel
    // photo, while a 10000 x 10000 header (400 MB) is refused unallocated.
    static constexpr int kDecodeLimitMb = 128;

    CPicture() = default;
    virtual ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    void LoadBitmapResource(int nResourceId);
    // Transparent pixels are flattened onto crMatte. Of a picture larger than
    // shown, only the top-left shown area is kept, while Width() and Height()
    // stay those of the whole picture. A file that cannot be read or decoded
    // changes nothing.
    void LoadPictureFile(const QString& strPath, const QColor& crMatte, const QSize& shown);
    bool FitToCanvas(int nWidth, int nHeight, const QColor& crBackground, bool bCentreX, bool bCentreY);
    bool CopyRectTo(QPainter& target, int x, int y, const SRect& source) const;
    void FreeBitmap();

    const QString& Path() const { return m_strPath; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool HasBitmap() const { return m_bHasBitmap; }
    const QImage& Surface() const { return m_surface; }

private:
    void Hold(QImage image);

    QString m_strPath;
    int m_nWidth = 0;
    int m_nHeight = 0;
    QImage m_surface;
    bool m_bHasBitmap = false;
};
