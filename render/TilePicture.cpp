#include "render/TilePicture.h"

#include "render/BuiltInImage.h"

#include <QString>

QImage LetterTiles(int nGridSize)
{
    const int nSheet = nGridSize == 3 ? 145 : nGridSize == 5 ? 147 : 144;
    const QString strSheet = QStringLiteral(":/bitmaps/") + QString::number(nSheet) + QStringLiteral(".bmp");
    return ReadBuiltInImage(strSheet, "BMP").convertToFormat(QImage::Format_RGB32);
}
