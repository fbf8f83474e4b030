// Preparing the tile picture as the main window does at start-up and after
// Options: a built-in letter sheet, or a player's file decoded and fitted
// onto the 232 x 232 canvas.
#include "BenchFiles.h"
#include "BenchPictures.h"
#include "BenchTargets.h"

#include "render/BoardPainter.h"
#include "render/Picture.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCanvas = 232;

void BM_PrepareSheet(benchmark::State& state)
{
    const int nId = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CPicture picture;
        picture.LoadBitmapResource(nId);
        benchmark::DoNotOptimize(picture.Surface().constBits());
    }
}
BENCHMARK(BM_PrepareSheet)->Arg(145)->Arg(144)->Arg(147)->Unit(benchmark::kMicrosecond);

// The file steps of PrepareTiles, on a fresh picture each time so that the
// file is really decoded (the same path is not read twice).
void PrepareFile(benchmark::State& state, const QString& strPath, int nExpectedWidth)
{
    if (strPath.isEmpty()) {
        state.SkipWithError("the benchmark pictures could not be written");
        return;
    }
    const QColor crFace = SBoardColours::FromPalette(QGuiApplication::palette()).face;
    for (auto _ : state) {
        CPicture picture;
        picture.LoadPictureFile(strPath, crFace, QSize(kCanvas, kCanvas));
        picture.FitToCanvas(kCanvas, kCanvas, crFace, true, true);
        if (picture.Width() != nExpectedWidth) {
            state.SkipWithError("the picture did not load");
            return;
        }
        benchmark::DoNotOptimize(picture.Surface().constBits());
    }
}

void BM_PreparePicture_Gif640x480(benchmark::State& state)
{
    const QString strFolder = CBenchFiles::PicturesFolder();
    PrepareFile(state, strFolder.isEmpty() ? QString() : BenchPictures::SmallGif(strFolder),
                BenchPictures::kSmallWidth);
}
BENCHMARK(BM_PreparePicture_Gif640x480)->Unit(benchmark::kMillisecond);

void BM_PreparePicture_Bmp640x480(benchmark::State& state)
{
    const QString strFolder = CBenchFiles::PicturesFolder();
    PrepareFile(state, strFolder.isEmpty() ? QString() : BenchPictures::SmallBmp(strFolder),
                BenchPictures::kSmallWidth);
}
BENCHMARK(BM_PreparePicture_Bmp640x480)->Unit(benchmark::kMillisecond);

void BM_PreparePicture_Jpeg24MP(benchmark::State& state)
{
    const QString strFolder = CBenchFiles::PicturesFolder();
    PrepareFile(state, strFolder.isEmpty() ? QString() : BenchPictures::PhotoJpeg(strFolder),
                BenchPictures::kPhotoWidth);
}
BENCHMARK(BM_PreparePicture_Jpeg24MP)->Unit(benchmark::kMillisecond);

// A progressive JPEG spreads every line over all of its scans, so the decoder
// reads the whole file and holds the whole image's coefficients even for the
// top-left corner.
void BM_PreparePicture_ProgressiveJpeg24MP(benchmark::State& state)
{
    const QString strFolder = CBenchFiles::PicturesFolder();
    PrepareFile(state, strFolder.isEmpty() ? QString() : BenchPictures::ProgressivePhotoJpeg(strFolder),
                BenchPictures::kPhotoWidth);
}
BENCHMARK(BM_PreparePicture_ProgressiveJpeg24MP)->Unit(benchmark::kMillisecond);

// For comparison: decoding the whole photo, which the board would never show.
void BM_Reference_WholeDecode_Jpeg24MP(benchmark::State& state)
{
    const QString strFolder = CBenchFiles::PicturesFolder();
    if (strFolder.isEmpty()) {
        state.SkipWithError("the benchmark pictures could not be written");
        return;
    }
    QImageReader::setAllocationLimit(0);
    for (auto _ : state) {
        QImageReader reader(BenchPictures::PhotoJpeg(strFolder));
        const QImage image = reader.read();
        if (image.width() != BenchPictures::kPhotoWidth) {
            state.SkipWithError("the photo did not decode");
            return;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Reference_WholeDecode_Jpeg24MP)->Unit(benchmark::kMillisecond)->Iterations(3);

const bool kTargets = [] {
    // The photo's whole share of the 40 ms it may add to start-up.
    CBenchTargets::Set("BM_PreparePicture_Jpeg24MP", 40e6);
    return true;
}();

} // namespace
