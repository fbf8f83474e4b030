#pragma once

#include <QtGlobal>

class QIODevice;

namespace PictureJpeg {

// The bytes a JPEG decoder holds for the coefficients of the whole picture
// before it gives its first row: a progressive file, or one whose colours come
// in scans of their own, needs all of them (two bytes for each of 64 in every
// 8 x 8 block of every colour), however small the part asked for; a file of
// one scan with every colour needs none (0). -1 when the header cannot be
// read. Reads from the device's start and goes back to where it was.
qint64 BufferedBytes(QIODevice& device);

} // namespace PictureJpeg
