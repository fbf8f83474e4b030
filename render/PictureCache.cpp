#include "render/PictureCache.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The file: the key as written by Header, the pixels row by row, then the
// SHA-1 of all that.
constexpr char kMagic[] = "Slydra prepared picture, version 2";
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
constexpr int kDigestBytes = 20;

QByteArray Header(const SPictureKey& key)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(kMagic, sizeof kMagic);
    out << key.strPath << key.nSize << key.nModifiedMs << key.nInode << key.nChangedNs << key.target.size
        << key.target.bFit;
    return bytes;
}

} // namespace

std::optional<SPictureKey> SPictureKey::Of(const QString& strPath, const SPictureTarget& target)
{
    const QFileInfo info(strPath);
    if (!info.isFile())
        return std::nullopt;
    SPictureKey key{info.absoluteFilePath(), info.size(), info.lastModified().toMSecsSinceEpoch(), 0, 0, target};
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(key.strPath).constData(), &status) != 0)
        return std::nullopt;
    key.nInode = status.st_ino;
    key.nChangedNs = qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
#endif
    return key;
}

namespace PictureCache {

QString FilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/picture");
}

QImage Read(const SPictureKey& key)
{
    const QString strFile = FilePath();
    // Only a regular file: a FIFO put there would block.
    if (!QFileInfo(strFile).isFile())
        return QImage();
    QFile file(strFile);
    const QByteArray header = Header(key);
    QImage image(key.target.size, kFormat);
    const qint64 nPixels = image.sizeInBytes();
    if (image.isNull() || !file.open(QIODevice::ReadOnly) || file.size() != header.size() + nPixels + kDigestBytes)
        return QImage();
    char* pPixels = reinterpret_cast<char*>(image.bits());
    if (file.read(header.size()) != header || file.read(pPixels, nPixels) != nPixels)
        return QImage();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(header);
    hash.addData(QByteArrayView(pPixels, nPixels));
    return file.read(kDigestBytes) == hash.result() ? image : QImage();
}

void Write(const SPictureKey& key, const QImage& image)
{
    const QImage pixels = image.convertToFormat(kFormat);
    if (pixels.size() != key.target.size)
        return;
    const QString strFile = FilePath();
    QDir().mkpath(QFileInfo(strFile).absolutePath());
    // A name of its own, made anew, is never a link; renaming it over the
    // cache's name replaces whatever is there without following it.
    QTemporaryFile file(strFile + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QByteArray header = Header(key);
    const QByteArrayView body(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes());
    hash.addData(header);
    hash.addData(body);
    const QByteArray digest = hash.result();
    if (file.write(header) != header.size() || file.write(body.data(), body.size()) != body.size()
        || file.write(digest) != digest.size() || !file.flush())
        return;
    std::error_code error;
    std::filesystem::rename(file.fileName().toStdU16String(), strFile.toStdU16String(), error);
    file.setAutoRemove(static_cast<bool>(error));
}

} // namespace PictureCache
