#pragma once

#include "render/PictureResult.h"

#include <QImage>
#include <QString>

#include <optional>

// What a prepared picture was made from, and for what: a file that is edited,
// touched or replaced no longer matches, even one copied over it with its
// size and time kept (its inode or change time, which no copy keeps, differ).
struct SPictureKey
{
    QString strPath;  // absolute
    qint64 nSize{};
    qint64 nModifiedMs{};
    quint64 nInode{};
    qint64 nChangedNs{};
    SPictureTarget target;

    // The key of the regular file at strPath as it is now; nothing for anything else.
    static std::optional<SPictureKey> Of(const QString& strPath, const SPictureTarget& target);
};

// The last picture prepared, kept in the cache folder so that later starts
// need not decode its file again. A cache file that does not hold exactly
// what this key would have written, with its checksum, is not used. It is
// always written as a new file of its own that then takes the name, so a
// link or anything else put there is replaced, never written through.
namespace PictureCache {

QString FilePath();
QImage Read(const SPictureKey& key);
void Write(const SPictureKey& key, const QImage& image);

} // namespace PictureCache
