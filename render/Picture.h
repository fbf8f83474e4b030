#pragma once

#include "render/BoardGeometry.h"

#include <QImage>

class QPainter;

// The picture the tiles are cut from: a built-in letter sheet or a tile
// picture prepared from the player's file, held in the display's pixel format
// so that painting only copies.
class CPicture
{
public:
    CPicture() = default;
    virtual ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    void LoadBitmapResource(int nResourceId);
    void Hold(const QImage& image);
    bool CopyRectTo(QPainter& target, int x, int y, const SRect& source) const;
    void FreeBitmap();

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool HasBitmap() const { return m_bHasBitmap; }
    const QImage& Surface() const { return m_surface; }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    QImage m_surface;
    bool m_bHasBitmap = false;
};
