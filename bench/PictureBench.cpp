// Preparing a player's picture as the tile picture, as the main window does at
// start-up, for each kind of picture a player picks: at its first use, when
// the file is decoded, and at a later start, when the prepared picture comes
// from the cache folder. Beside them, a decode of the whole photo, which the
// board never shows.
#include "render/BoardPainter.h"
#include "render/PictureDecode.h"
#include "render/PicturePrepare.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A 24-megapixel (6000 x 4000) baseline JPEG as cameras write them (quality
// 90, colour at half resolution), of fractal clouds with grain, which has the
// size and decoding cost of a photo; and made from it with ImageMagick, once:
// the same as a progressive JPEG, enlarged to an 8000 x 6000 PNG, and reduced
// to a 4000 x 3000 JPEG whose orientation tag (6) turns it upright.
const char* const kKinds[] = {"photo.jpg", "progressive.jpg", "large.png", "portrait.jpg"};

QString Picture(int nKind)
{
    static QTemporaryDir dir;
    static const bool bMade = [] {
        const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
        const QList<QStringList> steps{
            {"-size", "6000x4000", "-seed", "1", "plasma:fractal", "-attenuate", "0.4", "+noise", "Gaussian",
             "-sampling-factor", "2x2", "-quality", "90", photo},
            {photo, "-interlace", "JPEG", dir.filePath(QStringLiteral("progressive.jpg"))},
            {photo, "-resize", "8000x6000!", "-depth", "8", dir.filePath(QStringLiteral("large.png"))},
            {photo, "-resize", "4000x3000!", "-orient", "right-top", dir.filePath(QStringLiteral("portrait.jpg"))}};
        for (const QStringList& step : steps) {
            if (QProcess::execute(QStringLiteral("convert"), step) != 0)
                return false;
        }
        // The prepared pictures go to a cache folder of this run's own.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
        PictureDecode::SetDecodeLimit();
        return true;
    }();
    return bMade ? dir.filePath(QString::fromLatin1(kKinds[nKind])) : QString();
}

void ForgetPrepared()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
}

void Prepare(benchmark::State& state, bool bFirstUse)
{
    const QString strPath = Picture(static_cast<int>(state.range(0)));
    state.SetLabel(kKinds[state.range(0)]);
    const QColor crFace = SBoardColours::FromPalette(QGuiApplication::palette()).face;
    const QSize canvas(kPictureCanvasSide, kPictureCanvasSide);
    ForgetPrepared();
    PreparePicture(strPath, canvas, crFace);
    for (auto _ : state) {
        if (bFirstUse) {
            state.PauseTiming();
            ForgetPrepared();
            state.ResumeTiming();
        }
        if (PreparePicture(strPath, canvas, crFace).image.isNull()) {
            state.SkipWithError("no picture: is ImageMagick's convert installed?");
            break;
        }
    }
}

void BM_PreparePicture_FirstUse(benchmark::State& state)
{
    Prepare(state, true);
}
BENCHMARK(BM_PreparePicture_FirstUse)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_PreparePicture_LaterStart(benchmark::State& state)
{
    Prepare(state, false);
}
BENCHMARK(BM_PreparePicture_LaterStart)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_Reference_WholeDecode_Jpeg24MP(benchmark::State& state)
{
    const QString strPath = Picture(0);
    QImageReader::setAllocationLimit(0);
    for (auto _ : state) {
        if (QImageReader(strPath).read().width() != 6000) {
            state.SkipWithError("no photo: is ImageMagick's convert installed?");
            break;
        }
    }
    PictureDecode::SetDecodeLimit();
}
BENCHMARK(BM_Reference_WholeDecode_Jpeg24MP)->Unit(benchmark::kMillisecond);

} // namespace
