#include "render/BuiltInImage.h"

#include <QImageReader>
#include <QPixmap>

QImage ReadBuiltInImage(const QString& strPath, const char* pszFormat)
{
    QImageReader reader(strPath, pszFormat);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon ReadWindowIcon()
{
    QIcon icon;
    for (int nSize : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ReadBuiltInImage(QStringLiteral(":/icons/slydra-%1.png").arg(nSize), "PNG")));
    return icon;
}
