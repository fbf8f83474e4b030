// A full repaint of the board and one slide frame, drawn the way the main
// window draws them: into its retained 240 x 268 RGB32 frame, from a prepared
// tile picture. Beside them, the same pixels moved with a fill and block copies.
#include "board/Board.h"
#include "board/RandomSource.h"
#include "render/BoardGeometry.h"
#include "render/BoardPainter.h"
#include "render/LetterSheet.h"
#include "render/SlideAnimation.h"
#include "render/TilePicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

const QRect kClient(0, 0, 240, 268);

// The main window's state after New: a scrambled board, its letter sheet and tile size.
struct SWindowState
{
    explicit SWindowState(int nSize)
        : layout(BoardGeometry::Layout(kClient.width(), kClient.height(), nSize))
    {
        board.SetSize(nSize);
        board.Reset();
        CRuntimeRandom random;
        board.Scramble(random, 20240601u);
        tiles = LetterTiles(nSize);
        frame.fill(Qt::black);
    }

    SBoardLayout layout;
    CBoard board;
    QImage tiles;
    QImage frame{kClient.size(), QImage::Format_RGB32};
};

void BM_Repaint(benchmark::State& state)
{
    SWindowState window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QPainter painter(&window.frame);
        CBoardPainter::PaintBoard(painter, kClient, SBoardColours::FromPalette(QGuiApplication::palette()),
                                  window.board, window.tiles, window.layout);
    }
}
BENCHMARK(BM_Repaint)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// The five frames of a tile sliding right from cell (1, 0), drawn in turn.
template <typename TWindow>
void SlideFrames(benchmark::State& state)
{
    TWindow window(static_cast<int>(state.range(0)));
    const int nTile = window.board.GetAt(1, 0);
    const SBoardColours colours = SBoardColours::FromPalette(QGuiApplication::palette());
    CSlideAnimation slide;
    for (auto _ : state) {
        if (slide.m_nFrame == slide.m_nFrameCount)
            slide.Begin(nTile, 1, 0, 1, 1, true);
        const CSlideAnimation::SFrame frame = slide.AdvanceFrame(window.layout.nTileSize, window.layout.nMargin);
        QPainter painter(&window.frame);
        CBoardPainter::DrawSlideFrame(painter, frame, slide.m_nTile, window.board.m_nSize, window.layout, colours,
                                      window.tiles);
    }
}

void BM_SlideFrame(benchmark::State& state)
{
    SlideFrames<SWindowState>(state);
}
BENCHMARK(BM_SlideFrame)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// The least a repaint can do: fill the client area, then copy every tile but
// the blank from the tile picture, row by row, with the C library's own
// memset and memcpy.
void BM_Limit_Repaint(benchmark::State& state)
{
    SWindowState window(static_cast<int>(state.range(0)));
    const QImage& source = window.tiles;
    const int n = window.board.m_nSize;
    const int t = window.layout.nTileSize;
    uchar* pFrame = window.frame.bits();
    const qsizetype nLine = window.frame.bytesPerLine();
    for (auto _ : state) {
        std::memset(pFrame, 0xef, static_cast<std::size_t>(window.frame.sizeInBytes()));
        for (int cell = 0; cell < n * n - 1; ++cell) {
            const int x = t * (cell % n), y = t * (cell / n);
            for (int row = 0; row < t; ++row)
                std::memcpy(pFrame + (4 + y + row) * nLine + (4 + x) * 4, source.constScanLine(y + row) + x * 4,
                            static_cast<std::size_t>(t) * 4);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Limit_Repaint)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// A maximised window on a 1920 x 1080 screen at scale 1: the view above the
// menu bar is 1920 x 1054, the board 944 pixels square with 4-pixel rings and
// the letter sheet drawn for its tile size.
struct SMaximisedWindow
{
    explicit SMaximisedWindow(int nSize)
        : layout(BoardGeometry::Layout(1920, 1054, nSize))
    {
        board.SetSize(nSize);
        board.Reset();
        CRuntimeRandom random;
        board.Scramble(random, 20240601u);
        const int t = layout.nTileSize;
        tiles = LetterSheet::ToImage(LetterSheet::Draw(nSize, t, layout.nRing, nSize * t))
                    .convertToFormat(QImage::Format_RGB32);
        frame.fill(Qt::black);
    }

    SBoardLayout layout;
    CBoard board;
    QImage tiles;
    QImage frame{1920, 1054, QImage::Format_RGB32};
};

void BM_Repaint_Maximised(benchmark::State& state)
{
    SMaximisedWindow window(static_cast<int>(state.range(0)));
    const SBoardColours colours = SBoardColours::FromPalette(QGuiApplication::palette());
    for (auto _ : state) {
        QPainter painter(&window.frame);
        CBoardPainter::PaintBoard(painter, window.frame.rect(), colours, window.board, window.tiles, window.layout);
    }
}
BENCHMARK(BM_Repaint_Maximised)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void BM_SlideFrame_Maximised(benchmark::State& state)
{
    SlideFrames<SMaximisedWindow>(state);
}
BENCHMARK(BM_SlideFrame_Maximised)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// What a change of size costs before the next paint: the letter sheet drawn
// for the maximised window's tile size.
void BM_LetterSheet_Maximised(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const SBoardLayout layout = BoardGeometry::Layout(1920, 1054, n);
    for (auto _ : state)
        benchmark::DoNotOptimize(LetterSheet::Draw(n, layout.nTileSize, layout.nRing, n * layout.nTileSize));
}
BENCHMARK(BM_LetterSheet_Maximised)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
