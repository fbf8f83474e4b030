#pragma once

#include <QImage>
#include <QString>

// Writes GIF files, which Qt reads but cannot write: a 256-colour table and
// LZW compression, as image programs write them. For the tests and benchmarks.
class CGifWriter
{
public:
    // False when the image has more than 256 colours or the file cannot be written.
    static bool Save(const QImage& image, const QString& strPath);
};
