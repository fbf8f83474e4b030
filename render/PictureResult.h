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

// A picture made from a file, or the reason there is none.
struct SPictureResult
{
    QImage image;  // null when the file cannot be shown
    EPictureFault eFault = EPictureFault::None;
};

// The top-left corner of a picture, upright, at most as large as the canvas,
// and the size of the whole upright picture.
struct SPictureCorner
{
    QImage corner;  // null when the file cannot be shown
    QSize whole;
    EPictureFault eFault = EPictureFault::None;
};
