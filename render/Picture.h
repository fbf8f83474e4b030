#pragma once

#include <QImage>

// The picture the tiles are cut from: a built-in letter sheet or a tile
// picture prepared from the player's file, held in the display's pixel format
// so that painting only copies.
class CPicture
{
public:
    CPicture() = default;
    virtual ~CPicture() = default;
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    void LoadBitmapResource(int nResourceId);
    void Hold(const QImage& image);
    const QImage& Surface() const { return m_surface; }

private:
    QImage m_surface;
};
