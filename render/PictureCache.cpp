#include "render/PictureCache.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

namespace {

// The file: the key as written by Header, the pixels row by row, then the
// SHA-1 of all that.
constexpr char kMagic[] = "Slydra prepared picture, version 1";
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
constexpr int kDigestBytes = 20;

QString CacheFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/picture");
}

QByteArray Header(const SPictureKey& key)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(kMagic, sizeof kMagic);
    out << key.strPath << key.nSize << key.nModifiedMs << key.canvas;
    return bytes;
}

} // namespace

namespace PictureCache {

QImage Read(const SPictureKey& key)
{
    const QString strFile = CacheFile();
    // Only a regular file: a FIFO put there would block.
    if (!QFileInfo(strFile).isFile())
        return QImage();
    QFile file(strFile);
    const QByteArray header = Header(key);
    QImage image(key.canvas, kFormat);
    const qint64 nExpected = header.size() + image.sizeInBytes() + kDigestBytes;
    if (image.isNull() || !file.open(QIODevice::ReadOnly) || file.size() != nExpected)
        return QImage();
    const QByteArray bytes = file.read(nExpected);
    if (bytes.size() != nExpected || !bytes.startsWith(header))
        return QImage();
    const QByteArrayView body(bytes.constData(), nExpected - kDigestBytes);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != bytes.last(kDigestBytes))
        return QImage();
    std::memcpy(image.bits(), bytes.constData() + header.size(), std::size_t(image.sizeInBytes()));
    return image;
}

void Write(const SPictureKey& key, const QImage& image)
{
    const QImage pixels = image.convertToFormat(kFormat);
    if (pixels.size() != key.canvas)
        return;
    QByteArray bytes = Header(key);
    bytes.append(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes());
    bytes.append(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
    const QString strFile = CacheFile();
    QDir().mkpath(QFileInfo(strFile).absolutePath());
    QSaveFile file(strFile);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

} // namespace PictureCache
