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
    for (int nSize : {16, 32, 48, 64, 128}) {
        const QString strPath = QStringLiteral(":/icons/slydra-") + QString::number(nSize) + QStringLiteral(".png");
        icon.addPixmap(QPixmap::fromImage(ReadBuiltInImage(strPath, "PNG")));
    }
    return icon;
}
