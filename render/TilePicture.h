#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The picture the tiles are cut from, in the display's pixel format so that
// painting only copies.
struct STilePicture
{
    QImage image;
    // Tiles cut from a player's picture are read by number, letter-sheet tiles by letter.
    bool bNumbered = false;
};

// The player's picture at strPath on a canvas of the face colour when
// bUsePicture; with no picture, or one that cannot be shown, the letter sheet
// of the grid size.
STilePicture MakeTilePicture(bool bUsePicture, const QString& strPath, int nGridSize, const QColor& crFace);
