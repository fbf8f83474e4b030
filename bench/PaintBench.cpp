// A full repaint of the board and one slide frame, drawn the way the main
// window draws them: into its retained 240 x 268 RGB32 frame, from a prepared
// tile picture. Beside them, the same pixels moved with plain memory writes.
#include "BenchTargets.h"

#include "board/Board.h"
#include "board/RandomSource.h"
#include "render/BoardGeometry.h"
#include "render/BoardPainter.h"
#include "render/Picture.h"
#include "render/SlideAnimation.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 268;

int SheetFor(int nSize)
{
    return nSize == 3 ? 145 : nSize == 5 ? 147 : 144;
}

// The main window's state after New: a scrambled board, its tile picture and tile size.
struct SWindowState
{
    explicit SWindowState(int nSize)
        : frame(kClientWidth, kClientHeight, QImage::Format_RGB32)
        , nTileSize(BoardGeometry::TileSize(kClientWidth, nSize))
    {
        board.SetSize(nSize);
        board.Reset();
        CRuntimeRandom random;
        board.Scramble(random, 20240601u);
        picture.LoadBitmapResource(SheetFor(nSize));
        frame.fill(Qt::black);
    }

    // Painting only copies into the frame: the frame and the tile picture
    // keep their pixel buffers, nothing is reallocated or converted.
    void CheckNothingReallocated(benchmark::State& state, const uchar* pFrameBits, qint64 nPictureKey) const
    {
        if (frame.constBits() != pFrameBits || picture.Surface().cacheKey() != nPictureKey
            || picture.Surface().format() != QImage::Format_RGB32)
            state.SkipWithError("painting reallocated or converted a bitmap");
    }

    CBoard board;
    CPicture picture;
    QImage frame;
    int nTileSize;
};

void BM_Repaint(benchmark::State& state)
{
    SWindowState window(static_cast<int>(state.range(0)));
    const QRect client(0, 0, kClientWidth, kClientHeight);
    const uchar* pFrameBits = window.frame.constBits();
    const qint64 nPictureKey = window.picture.Surface().cacheKey();
    for (auto _ : state) {
        QPainter painter(&window.frame);
        CBoardPainter::PaintBoard(painter, client, SBoardColours::FromPalette(QGuiApplication::palette()),
                                  window.board, window.picture, window.nTileSize);
    }
    window.CheckNothingReallocated(state, pFrameBits, nPictureKey);
}
BENCHMARK(BM_Repaint)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// The five frames of a tile sliding right from cell (1, 0), drawn in turn.
void BM_SlideFrame(benchmark::State& state)
{
    const int nSize = static_cast<int>(state.range(0));
    SWindowState window(nSize);
    const int nTile = window.board.GetAt(1, 0);
    const QColor crFace = SBoardColours::FromPalette(QGuiApplication::palette()).face;
    CSlideAnimation slide;
    slide.Begin(nTile, 1, 0, 1, 1, true);
    const uchar* pFrameBits = window.frame.constBits();
    const qint64 nPictureKey = window.picture.Surface().cacheKey();
    for (auto _ : state) {
        if (slide.m_nFrame == slide.m_nFrameCount)
            slide.Begin(nTile, 1, 0, 1, 1, true);
        const CSlideAnimation::SFrame frame = slide.AdvanceFrame(window.nTileSize);
        QPainter painter(&window.frame);
        CBoardPainter::DrawSlideFrame(painter, frame, slide.m_nTile, nSize, crFace, window.picture,
                                      window.nTileSize);
    }
    window.CheckNothingReallocated(state, pFrameBits, nPictureKey);
}
BENCHMARK(BM_SlideFrame)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// What the paint event adds to every update: the retained frame onto the
// window's backing store.
void BM_PresentFrame(benchmark::State& state)
{
    QImage frame(kClientWidth, kClientHeight, QImage::Format_RGB32);
    frame.fill(Qt::gray);
    QImage backingStore(kClientWidth, kClientHeight + 26, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&backingStore);
        painter.drawImage(QRect(0, 0, kClientWidth, kClientHeight), frame);
    }
    benchmark::DoNotOptimize(backingStore.constBits());
}
BENCHMARK(BM_PresentFrame)->Unit(benchmark::kMicrosecond);

// ---- the physical limits: the same pixels, written with plain stores --------

void CopyBlock(QImage& target, int x, int y, const QImage& source, int sx, int sy, int nSide)
{
    const auto nBytes = static_cast<std::size_t>(nSide) * 4;
    for (int row = 0; row < nSide; ++row)
        std::memcpy(target.scanLine(y + row) + x * 4, source.constScanLine(sy + row) + sx * 4, nBytes);
}

void BM_Limit_ClientFill(benchmark::State& state)
{
    QImage frame(kClientWidth, kClientHeight, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<quint32*>(frame.bits());
    const auto nPixels = static_cast<std::size_t>(kClientWidth) * kClientHeight;
    quint32 colour = 0xffefefef;
    for (auto _ : state) {
        std::fill_n(pixels, nPixels, colour);
        benchmark::ClobberMemory();
        colour ^= 1;
    }
}
BENCHMARK(BM_Limit_ClientFill)->Unit(benchmark::kMicrosecond);

void BM_Limit_TileCopy(benchmark::State& state)
{
    const int nSize = static_cast<int>(state.range(0));
    SWindowState window(nSize);
    const QImage& source = window.picture.Surface();
    QImage& frame = window.frame;
    for (auto _ : state) {
        CopyBlock(frame, 4, 4, source, 0, 0, window.nTileSize);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Limit_TileCopy)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// One client fill and a block copy for every tile but the blank.
void BM_Limit_Repaint(benchmark::State& state)
{
    const int nSize = static_cast<int>(state.range(0));
    SWindowState window(nSize);
    const QImage& source = window.picture.Surface();
    QImage& frame = window.frame;
    const int t = window.nTileSize;
    auto* pixels = reinterpret_cast<quint32*>(frame.bits());
    const auto nPixels = static_cast<std::size_t>(kClientWidth) * kClientHeight;
    for (auto _ : state) {
        std::fill_n(pixels, nPixels, 0xffefefefu);
        for (int cell = 0; cell < nSize * nSize - 1; ++cell)
            CopyBlock(frame, 4 + t * (cell % nSize), 4 + t * (cell / nSize), source, t * (cell % nSize),
                      t * (cell / nSize), t);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Limit_Repaint)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

const bool kTargets = [] {
    CBenchTargets::Set("BM_Repaint/", 300e3);
    CBenchTargets::Set("BM_SlideFrame/", 50e3);
    return true;
}();

} // namespace
