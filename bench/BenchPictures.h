#pragma once

#include <QImage>
#include <QString>

// The player's pictures the benchmarks and the start-up measurement prepare:
// photo-like content (gradients, shapes and grain, so that files have the
// size and decoding cost of real photos) in the formats the game reads.
namespace BenchPictures {

constexpr int kPhotoWidth = 6000;   // 24 megapixels, a common camera size
constexpr int kPhotoHeight = 4000;
constexpr int kSmallWidth = 640;
constexpr int kSmallHeight = 480;

QImage PhotoLike(int nWidth, int nHeight);

// Writes photo24mp.jpg (baseline JPEG, quality 90, as cameras write), the
// same photo as a progressive JPEG (as web pages often serve them),
// picture640.gif and picture640.bmp into strFolder; false if any fails.
bool WriteAll(const QString& strFolder);
QString PhotoJpeg(const QString& strFolder);
QString ProgressivePhotoJpeg(const QString& strFolder);
QString SmallGif(const QString& strFolder);
QString SmallBmp(const QString& strFolder);

} // namespace BenchPictures
