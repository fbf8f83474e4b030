#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Files that a player's disk may hold and that must neither replace the tile
// picture nor hang the game: pictures cut short, lying about their type, or
// declaring sizes that would take gigabytes to decode, built byte by byte so
// that nothing large is ever held to make them; and FIFOs.
namespace HostileFiles {

struct SCase
{
    QString strGroup;  // what kind of fault, for the report
    QString strName;   // the file's name in the folder
    QByteArray bytes;
};

// The picture files of the truncation cases, whole: a 200 x 150 picture as
// .jpg, .png and .bmp, and a 120 x 90 one as .gif.
QList<SCase> WholePictures();
// Every hostile file case that is a plain file: empty files, each whole
// picture cut at each of its first 100 bytes, at nCutsPerFile more points
// spread over the rest and one byte short, lying names and the bombs.
QList<SCase> RegularFileCases(int nCutsPerFile);
// The bombs alone (a subset of RegularFileCases).
QList<SCase> BombCases();
// Files that are whole and valid, if odd, and so are shown: a GIF named .jpg,
// a JPEG named .bmp, a 16 x 16 JPEG whose header claims 10000 x 10000 (the
// decoder greys what its data does not cover), and the largest PNG the decode
// limit lets through, 5792 x 5792 (33.5 megapixels), decoded whole.
QList<SCase> ShownCases();

// Runs fn with a watchdog beside it that opens the writing end of the FIFO
// at strPath after three seconds, which unblocks a reader stuck on it. False
// when the watchdog found such a reader.
bool RunsWithoutBlocking(const QString& strPath, const std::function<void()>& fn);

} // namespace HostileFiles
