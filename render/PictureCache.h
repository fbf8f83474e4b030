#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// What a prepared picture was made from: a file that is edited, replaced or
// touched no longer matches.
struct SPictureKey
{
    QString strPath;  // absolute
    qint64 nSize{};
    qint64 nModifiedMs{};
    QSize canvas;
};

// The last picture prepared, kept in the cache folder so that later starts
// need not decode its file again. A cache file that does not hold exactly
// what this key would have written, with its checksum, is not used.
namespace PictureCache {

QImage Read(const SPictureKey& key);
void Write(const SPictureKey& key, const QImage& image);

} // namespace PictureCache
