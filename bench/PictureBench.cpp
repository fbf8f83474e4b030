// Preparing a player's picture as the tile picture, as the board does, for
// each kind of picture a player picks and for each file of the hostile corpus
// (tools/hostile-pictures.py): at its first use, when the file is decoded, and
// at a later start, when the prepared picture comes from the cache folder.
// The second argument is the side of the fitted picture: a 4x4 board at the
// first size (232) and maximised on a 1920 x 1080 screen (912); 0 is the
// unfitted 232 x 232 canvas. Beside them: a decode of the whole photo; libpng
// reading every row of the PNG, which a fitted PNG needs; and what the window
// does at a resize before the picture for the new size is ready.
#include "render/BoardPainter.h"
#include "render/BoardTiles.h"
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
#include <png.h>

#include <cstdio>
#include <vector>

namespace {

// A 24-megapixel (6000 x 4000) baseline JPEG as cameras write them (quality
// 90, colour at half resolution), of fractal clouds with grain, which has the
// size and decoding cost of a photo; and made from it with ImageMagick, once:
// the same as a progressive JPEG, enlarged to an 8000 x 6000 PNG, and reduced
// to a 4000 x 3000 JPEG whose orientation tag (6) turns it upright.
const char* const kKinds[] = {"photo.jpg", "progressive.jpg", "large.png", "portrait.jpg"};
const char* const kHostile[] = {"mng-9000.mng", "mng-15000.mng", "interlaced-10000.png", "bomb-10000.png",
                                "progressive-10000.jpg", "progressive-444-24mp.jpg", "screen-65535.gif",
                                "padded-200mb.webp", "ascii-5000.pbm"};

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString Picture(int nKind)
{
    static const bool bMade = [] {
        const QString photo = Folder().filePath(QStringLiteral("photo.jpg"));
        const QList<QStringList> steps{
            {"-size", "6000x4000", "-seed", "1", "plasma:fractal", "-attenuate", "0.4", "+noise", "Gaussian",
             "-sampling-factor", "2x2", "-quality", "90", photo},
            {photo, "-interlace", "JPEG", Folder().filePath(QStringLiteral("progressive.jpg"))},
            {photo, "-resize", "8000x6000!", "-depth", "8", Folder().filePath(QStringLiteral("large.png"))},
            {photo, "-resize", "4000x3000!", "-orient", "right-top",
             Folder().filePath(QStringLiteral("portrait.jpg"))}};
        for (const QStringList& step : steps) {
            if (QProcess::execute(QStringLiteral("convert"), step) != 0)
                return false;
        }
        return true;
    }();
    return bMade ? Folder().filePath(QString::fromLatin1(kKinds[nKind])) : QString();
}

QString Hostile(int nFile)
{
    static const bool bMade = QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                                {QStringLiteral(SLYDRA_TOOLS "/hostile-pictures.py"),
                                                 Folder().filePath(QStringLiteral("hostile"))}) == 0;
    return bMade ? Folder().filePath(QStringLiteral("hostile/") + QString::fromLatin1(kHostile[nFile])) : QString();
}

void ForgetPrepared()
{
    // The prepared pictures go to a cache folder of this run's own.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(Folder().filePath(QStringLiteral("cache"))));
    PictureDecode::SetDecodeLimit();
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
}

SPictureTarget Target(benchmark::State& state)
{
    const int nSide = static_cast<int>(state.range(1));
    return nSide == 0 ? SPictureTarget{QSize(kPictureCanvasSide, kPictureCanvasSide), false}
                      : SPictureTarget{QSize(nSide, nSide), true};
}

void Prepare(benchmark::State& state, const QString& strPath, bool bFirstUse, bool bShown)
{
    const QColor crFace = SBoardColours::FromPalette(QGuiApplication::palette()).face;
    const SPictureTarget target = Target(state);
    ForgetPrepared();
    PreparePicture(strPath, target, crFace);
    for (auto _ : state) {
        if (bFirstUse) {
            state.PauseTiming();
            ForgetPrepared();
            state.ResumeTiming();
        }
        if (PreparePicture(strPath, target, crFace).image.isNull() == bShown) {
            state.SkipWithError(bShown ? "no picture: is ImageMagick's convert installed?" : "shown");
            break;
        }
    }
}

void BM_PreparePicture_FirstUse(benchmark::State& state)
{
    state.SetLabel(kKinds[state.range(0)]);
    Prepare(state, Picture(static_cast<int>(state.range(0))), true, true);
}
BENCHMARK(BM_PreparePicture_FirstUse)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 232, 912}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PreparePicture_LaterStart(benchmark::State& state)
{
    state.SetLabel(kKinds[state.range(0)]);
    Prepare(state, Picture(static_cast<int>(state.range(0))), false, true);
}
BENCHMARK(BM_PreparePicture_LaterStart)->ArgsProduct({{0, 1, 2, 3}, {0, 232, 912}})->Unit(benchmark::kMillisecond);

// Every file of the corpus is either shown or refused; which, the figures say.
void BM_PrepareHostile(benchmark::State& state)
{
    const QString strPath = Hostile(static_cast<int>(state.range(0)));
    const QColor crFace = SBoardColours::FromPalette(QGuiApplication::palette()).face;
    state.SetLabel(kHostile[state.range(0)]);
    bool bShown = false;
    for (auto _ : state) {
        state.PauseTiming();
        ForgetPrepared();
        state.ResumeTiming();
        bShown = !PreparePicture(strPath, Target(state), crFace).image.isNull();
    }
    state.counters["shown"] = bShown;
}
BENCHMARK(BM_PrepareHostile)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 912}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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

// The least a fitted PNG costs: libpng reads every row of the 8000 x 6000
// picture as 8-bit RGBA, and nothing is done with them.
void BM_Limit_PngRows(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(Picture(2));
    for (auto _ : state) {
        FILE* pFile = std::fopen(path.constData(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (!pFile || setjmp(png_jmpbuf(png))) {
            state.SkipWithError("no PNG");
            break;
        }
        png_init_io(png, pFile);
        png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
        png_read_info(png, info);
        png_set_expand(png);
        png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
        png_read_update_info(png, info);
        std::vector<png_byte> row(png_get_rowbytes(png, info));
        for (png_uint_32 y = 0; y < png_get_image_height(png, info); ++y)
            png_read_row(png, row.data(), nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(pFile);
    }
}
BENCHMARK(BM_Limit_PngRows)->Unit(benchmark::kMillisecond)->UseRealTime();

// The work of one resize of a maximised window, before the next paint, with
// the photo fitted: the picture ready for the old size stands in, scaled, with
// its lines, until the one for the new size is ready (which is not waited for
// here). The view's height steps down 12 pixels at a time, to 8 new tile sizes.
void BM_Resize_Maximised(benchmark::State& state)
{
    const SBoardColours colours = SBoardColours::FromPalette(QGuiApplication::palette());
    ForgetPrepared();
    PreparePicture(Picture(0), {QSize(912, 912), true}, colours.face);
    CBoardTiles tiles;
    tiles.SetSource({Picture(0), true, colours.face, colours.darkShadow});
    tiles.For(BoardGeometry::Layout(1920, 1054, 4), 4);
    int nStep = 0;
    for (auto _ : state) {
        nStep = nStep % 8 + 1;
        benchmark::DoNotOptimize(tiles.For(BoardGeometry::Layout(1920, 1054 - 12 * nStep, 4), 4));
    }
}
BENCHMARK(BM_Resize_Maximised)->Unit(benchmark::kMillisecond);

} // namespace
