#include "render/BuiltInImage.h"

#include <QImageReader>

QImage ReadBuiltInImage(const QString& strPath, const char* pszFormat)
{
    QImageReader reader(strPath, pszFormat);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
