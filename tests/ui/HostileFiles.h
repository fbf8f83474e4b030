#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Picture files that a player's disk may hold and that must not replace the
// tile picture: cut short, lying about their type, or declaring sizes that
// would take gigabytes to decode. Built byte by byte, so nothing large is
// ever held to make them.
namespace HostileFiles {

struct SCase
{
    QString strGroup;  // what kind of fault, for the report
    QString strName;   // the file's name in the folder
    QByteArray bytes;
};

// A PNG of nWidth x nHeight whose pixels are all zero. Its pixel data is a
// hand-made deflate stream, 13 bits for every 258 bytes, so a few hundred
// kilobytes stand for hundreds of megabytes; with nMaxBytes at or above 0 the
// stream ends, valid but early, after that many bytes of pixel data.
QByteArray ZeroPng(int nWidth, int nHeight, int nColourType, int nBitDepth, qint64 nMaxBytes = -1);
// A PNG signature and header chunk declaring nWidth x nHeight, then its end.
QByteArray PngHeader(int nWidth, int nHeight);
// A GIF whose screen and one image declare nWidth x nHeight, with one pixel of data.
QByteArray GifHeader(int nWidth, int nHeight);
// A BMP file and info header declaring nWidth x nHeight at nBits per pixel, no pixels.
QByteArray BmpHeader(int nWidth, int nHeight, int nBits);
// A real 16 x 16 JPEG whose frame header claims nWidth x nHeight; with
// bHeaderOnly it ends where its scan data would begin.
QByteArray JpegClaiming(int nWidth, int nHeight, bool bHeaderOnly);

// The picture files of the truncation cases, whole: a 200 x 150 picture as
// .jpg, .png and .bmp, and a 120 x 90 one as .gif.
QList<SCase> WholePictures();
// Every cut of the first 100 bytes, then nCount more spread evenly over the rest.
QList<qsizetype> CutPoints(qsizetype nSize, int nCount);

// Every hostile file case that is a plain file: empty files, each whole
// picture cut at CutPoints(size, nCutsPerFile), lying names and the bombs.
QList<SCase> RegularFileCases(int nCutsPerFile);
// The bombs alone (a subset of RegularFileCases).
QList<SCase> BombCases();
// Files that are whole and valid, if odd, and so are shown: a picture under
// another format's name, a 16 x 16 JPEG whose header claims 10000 x 10000
// (the decoder greys what its data does not cover), and the largest PNG the
// decode limit lets through, 5792 x 5792 (33.5 megapixels), decoded whole.
QList<SCase> ShownCases();

} // namespace HostileFiles
