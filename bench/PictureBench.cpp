// Preparing a player's photo as the tile picture, as the main window does at
// start-up: decoded and fitted onto the 232 x 232 canvas. Beside it, a decode
// of the whole photo, which the board never shows.
#include "render/BoardPainter.h"
#include "render/Picture.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCanvas = 232;

// A 24-megapixel (6000 x 4000) baseline JPEG as cameras write them (quality
// 90, colour at half resolution), of fractal clouds with grain, which has the
// size and decoding cost of a photo. Made once, with ImageMagick.
QString Photo()
{
    static QTemporaryDir dir;
    static const QString strPath = dir.filePath(QStringLiteral("photo.jpg"));
    static const int nExit = QProcess::execute(
        QStringLiteral("convert"), {"-size", "6000x4000", "-seed", "1", "plasma:fractal", "-attenuate", "0.4",
                                    "+noise", "Gaussian", "-sampling-factor", "2x2", "-quality", "90", strPath});
    return nExit == 0 ? strPath : QString();
}

void BM_PreparePicture_Jpeg24MP(benchmark::State& state)
{
    const QString strPath = Photo();
    const QColor crFace = SBoardColours::FromPalette(QGuiApplication::palette()).face;
    for (auto _ : state) {
        // A fresh picture each time, so that the file is really decoded.
        CPicture picture;
        picture.LoadPictureFile(strPath, crFace, QSize(kCanvas, kCanvas));
        picture.FitToCanvas(kCanvas, kCanvas, crFace, true, true);
        if (picture.Width() != 6000) {
            state.SkipWithError("no photo: is ImageMagick's convert installed?");
            break;
        }
    }
}
BENCHMARK(BM_PreparePicture_Jpeg24MP)->Unit(benchmark::kMillisecond);

void BM_Reference_WholeDecode_Jpeg24MP(benchmark::State& state)
{
    const QString strPath = Photo();
    QImageReader::setAllocationLimit(0);
    for (auto _ : state) {
        if (QImageReader(strPath).read().width() != 6000) {
            state.SkipWithError("no photo: is ImageMagick's convert installed?");
            break;
        }
    }
}
BENCHMARK(BM_Reference_WholeDecode_Jpeg24MP)->Unit(benchmark::kMillisecond);

} // namespace
