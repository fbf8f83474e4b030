#pragma once

#include <QImage>
#include <QSize>

// Why a picture file cannot be shown.
enum class EPictureFault
{
    None,
    Missing,           // no file at the path, or one that may not be read
    NotAPicture,       // not a picture, or a damaged one
    TooLarge,
    UnreadableFormat,  // a picture, in a format none of the installed readers knows
};

// What a picture file is made into. Unfitted: the upright picture on a canvas
// of this size, in its middle when it fits, else its top-left corner. Fitted:
// its middle square, scaled to cover a square of this size, which is the
// square the tiles cover, in device pixels.
struct SPictureTarget
{
    QSize size;
    bool bFit = false;
    bool operator==(const SPictureTarget&) const = default;
};

// A picture made from a file, or the reason there is none.
struct SPictureResult
{
    QImage image;  // null when the file cannot be shown
    EPictureFault eFault = EPictureFault::None;
};

// A part of a picture, upright: its top-left corner, at most as large as the
// canvas, or its middle square, at most as large as the fitted square; and the
// size of the whole upright picture.
struct SPictureCorner
{
    QImage corner;  // null when the file cannot be shown
    QSize whole;
    EPictureFault eFault = EPictureFault::None;
};
