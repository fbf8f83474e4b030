// Draws the game's built-in pictures: the three 16-colour letter sheets
// (bitmaps/144.bmp, 145.bmp, 147.bmp) and the application icon (icons/slydra-N.png,
// N = 16, 32, 48, 64, 128 and 256, each drawn at its own size).
// Everything is drawn from code, without system fonts, so every machine makes the same files.

#include "render/LetterSheet.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

using LetterSheet::PaintLetter;

constexpr int kSheetSize = 232;

void PutLE16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutLE16(out, v & 0xFFFF);
    PutLE16(out, v >> 16);
}

// 4 bits per pixel, uncompressed, bottom-up, rows padded to 4 bytes: a layout
// Qt's own writer does not produce.
bool WriteBmp4(const QString& strPath, const SCanvas& canvas)
{
    const auto nStride = static_cast<std::uint32_t>(((canvas.nWidth * 4 + 31) / 32) * 4);
    const auto nImageBytes = nStride * static_cast<std::uint32_t>(canvas.nHeight);
    const std::uint32_t nOffset = 14 + 40 + 16 * 4;

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLE32(out, nOffset + nImageBytes);
    PutLE32(out, 0);                    // reserved
    PutLE32(out, nOffset);
    PutLE32(out, 40);                   // BITMAPINFOHEADER
    PutLE32(out, static_cast<std::uint32_t>(canvas.nWidth));
    PutLE32(out, static_cast<std::uint32_t>(canvas.nHeight)); // positive: bottom-up
    PutLE16(out, 1);                    // planes
    PutLE16(out, 4);                    // bits per pixel
    PutLE32(out, 0);                    // BI_RGB
    PutLE32(out, nImageBytes);
    PutLE32(out, 2835);                 // 72 dpi
    PutLE32(out, 2835);
    PutLE32(out, 16);                   // colours used
    PutLE32(out, 0);                    // all important
    for (QRgb rgb : kPalette) {
        out.push_back(static_cast<std::uint8_t>(qBlue(rgb)));
        out.push_back(static_cast<std::uint8_t>(qGreen(rgb)));
        out.push_back(static_cast<std::uint8_t>(qRed(rgb)));
        out.push_back(0);
    }
    for (int y = canvas.nHeight - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(nStride, 0);
        for (int x = 0; x < canvas.nWidth; ++x) {
            const auto idx = static_cast<std::size_t>(x / 2);
            row[idx] = static_cast<std::uint8_t>(row[idx] | (x % 2 == 0 ? canvas.At(x, y) << 4 : canvas.At(x, y)));
        }
        out.insert(out.end(), row.begin(), row.end());
    }

    std::FILE* file = std::fopen(QFile::encodeName(strPath).constData(), "wb");
    if (file == nullptr)
        return false;
    const bool bOk = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && bOk;
}

// ---------------------------------------------------------------------------
// Application icon: a small 3x3 board of blue-lettered tiles, the blank in the
// bottom-right corner and the tile beside it caught sliding into it.

// 5x5 pixel capitals for tiles too small for the stroke letters.
constexpr std::array<std::array<const char*, 5>, 8> kTinyLetters = {{
    {".###.", "#...#", "#####", "#...#", "#...#"},
    {"####.", "#...#", "####.", "#...#", "####."},
    {".####", "#....", "#....", "#....", ".####"},
    {"####.", "#...#", "#...#", "#...#", "####."},
    {"#####", "#....", "####.", "#....", "#####"},
    {"#####", "#....", "####.", "#....", "#...."},
    {".####", "#....", "#..##", "#...#", ".####"},
    {"#...#", "#...#", "#####", "#...#", "#...#"},
}};

void DrawIconTile(SCanvas& icon, int x, int y, int nTile, int nLetter)
{
    // A white face with its shadow along the bottom and right; big tiles also get
    // the black outline of the letter sheets.
    const bool bOutline = nTile >= 24;
    const int nBevel = std::max(1, nTile / 16);
    icon.Fill(x, y, nTile, nTile, Grey);
    icon.Fill(x, y, nTile - nBevel, nTile - nBevel, White);
    if (bOutline)
        icon.Outline(x, y, nTile, nTile, Black);

    const int nEdge = bOutline ? 1 : 0;
    const int nFace = nTile - nBevel - 2 * nEdge;
    const int nFaceX = x + nEdge, nFaceY = y + nEdge;
    if (nFace >= 24) {
        PaintLetter(icon, nFaceX, nFaceY, nFace, nLetter, 0.62 * nFace, 0.085 * nFace, false);
    } else if (nFace >= 7) {
        const int nDot = std::max(1, nFace * 2 / 3 / 5);
        const int nLx = nFaceX + (nFace - 5 * nDot) / 2, nLy = nFaceY + (nFace - 5 * nDot) / 2;
        const auto& rows = kTinyLetters[static_cast<std::size_t>(nLetter)];
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 5; ++i)
                if (rows[static_cast<std::size_t>(j)][i] == '#')
                    icon.Fill(nLx + i * nDot, nLy + j * nDot, nDot, nDot, Blue);
    } else {
        // Too small for a letter: a blue mark stands for it.
        const int nMark = std::max(1, nFace / 3);
        icon.Fill(nFaceX + (nFace - nMark) / 2, nFaceY + (nFace - nMark) / 2, nMark, nMark, Blue);
    }
}

SCanvas DrawIcon(int nSize)
{
    SCanvas icon(nSize, nSize, Navy);
    const int nLine = std::max(1, nSize / 32);
    icon.Fill(0, 0, nSize, nLine, Black);
    icon.Fill(0, nSize - nLine, nSize, nLine, Black);
    icon.Fill(0, 0, nLine, nSize, Black);
    icon.Fill(nSize - nLine, 0, nLine, nSize, Black);

    // Whatever the three tiles and two gaps leave of the well is shared out
    // evenly round the board.
    const int nInner = nSize - 2 * nLine;
    const int nGap = std::max(1, nSize / 32);
    const int nTile = (nInner - 2 * (nSize / 32) - 2 * nGap) / 3;
    const int nLeft = nLine + (nInner - 3 * nTile - 2 * nGap) / 2;

    // Tile 7 is on its way into the blank, a third of a tile along.
    const int nSlide = nTile / 3;
    for (int t = 0; t < 8; ++t) {
        const int x = nLeft + (t % 3) * (nTile + nGap) + (t == 7 ? nSlide : 0);
        const int y = nLeft + (t / 3) * (nTile + nGap);
        DrawIconTile(icon, x, y, nTile, t);
    }

    // Speed lines in the gap the sliding tile leaves behind, where there is room for them.
    const int nTrailLeft = nLeft + nTile + 1;
    const int nTrailRight = nLeft + nTile + nGap + nSlide - 1; // exclusive
    const int nRowY = nLeft + 2 * (nTile + nGap);
    if (nTrailRight - nTrailLeft >= 5) {
        const int nThick = std::max(1, nSize / 64);
        const int nPitch = std::max(3 * nThick, nTile / 5);
        int nLen = nTrailRight - nTrailLeft;
        for (int ly = nRowY + nPitch; ly + nThick < nRowY + nTile - nPitch / 2; ly += nPitch) {
            icon.Fill(nTrailRight - nLen, ly, nLen, nThick, Aqua);
            nLen = nLen == nTrailRight - nTrailLeft ? nLen * 2 / 3 : nTrailRight - nTrailLeft;
        }
    }
    return icon;
}

bool WritePng(const QString& strPath, const SCanvas& canvas)
{
    return LetterSheet::ToImage(canvas).save(strPath, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const QDir outDir(QFile::decodeName(argv[1]));
    if (!outDir.mkpath("bitmaps") || !outDir.mkpath("icons")) {
        std::fprintf(stderr, "cannot create the output directories under %s\n", argv[1]);
        return 1;
    }

    struct SSheet {
        int nId;
        int nGrid;
        int nCell;
    };
    constexpr std::array<SSheet, 3> kSheets = {{{145, 3, 77}, {144, 4, 58}, {147, 5, 46}}};

    bool bOk = true;
    for (const SSheet& s : kSheets) {
        const QString strPath = outDir.filePath(QString("bitmaps/%1.bmp").arg(s.nId));
        if (!WriteBmp4(strPath, LetterSheet::Draw(s.nGrid, s.nCell, 1, kSheetSize))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(strPath));
            bOk = false;
        }
    }
    for (int nSize : {16, 32, 48, 64, 128, 256}) {
        const QString strPath = outDir.filePath(QString("icons/slydra-%1.png").arg(nSize));
        if (!WritePng(strPath, DrawIcon(nSize))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(strPath));
            bOk = false;
        }
    }
    return bOk ? 0 : 1;
}
