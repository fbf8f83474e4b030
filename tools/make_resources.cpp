// Draws the game's built-in pictures: the three 16-colour letter sheets
// (bitmaps/144.bmp, 145.bmp, 147.bmp) and the application icon (icons/slydra-N.png,
// N = 16, 32, 48, 64, 128 and 256, each drawn at its own size).
// Everything is drawn from code, without system fonts, so every machine makes the same files.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// The 16-colour palette and an indexed canvas

enum EColour : std::uint8_t {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White
};

constexpr std::array<QRgb, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

struct SCanvas {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint8_t> pixels; // palette indices, row-major from the top

    SCanvas(int nW, int nH, EColour fill)
        : nWidth(nW), nHeight(nH), pixels(static_cast<std::size_t>(nW * nH), fill) {}

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * nWidth + x)]; }
    void Set(int x, int y, EColour colour)
    {
        if (x >= 0 && y >= 0 && x < nWidth && y < nHeight)
            pixels[static_cast<std::size_t>(y * nWidth + x)] = colour;
    }
    void Fill(int x, int y, int w, int h, EColour colour)
    {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                Set(i, j, colour);
    }
    // One-pixel outline along the four edges of the w x h rectangle at (x, y).
    void Outline(int x, int y, int w, int h, EColour colour)
    {
        Fill(x, y, w, 1, colour);
        Fill(x, y + h - 1, w, 1, colour);
        Fill(x, y, 1, h, colour);
        Fill(x + w - 1, y, 1, h, colour);
    }
};

// ---------------------------------------------------------------------------
// Letter strokes. Each glyph is a pen path on a box one unit high (y = 0 is the
// cap line, y = 1 the baseline) and `dWidth` wide: M x y starts a stroke,
// L x y draws a line, C x1 y1 x2 y2 x y a cubic curve.

struct SGlyph {
    double dWidth;
    const char* pszStrokes;
};

constexpr std::array<SGlyph, 25> kGlyphs = {{
    /* A */ {0.80, "M 0 1 L 0.40 0 L 0.80 1  M 0.16 0.64 L 0.65 0.62"},
    /* B */ {0.62, "M 0.03 1 L 0.03 0 L 0.30 0 C 0.60 0 0.61 0.47 0.30 0.47 L 0.03 0.47 "
                   "M 0.30 0.47 C 0.66 0.47 0.67 1 0.32 1 L 0.03 1"},
    /* C */ {0.70, "M 0.70 0.18 C 0.60 0.04 0.49 0 0.39 0 C 0.14 0 0 0.24 0 0.50 "
                   "C 0 0.78 0.16 1 0.41 1 C 0.53 1 0.63 0.95 0.70 0.84"},
    /* D */ {0.70, "M 0.03 0 L 0.03 1 L 0.26 1 C 0.56 1 0.70 0.78 0.70 0.50 "
                   "C 0.70 0.20 0.54 0 0.26 0 L 0.03 0"},
    /* E */ {0.56, "M 0.56 0 L 0.03 0 L 0.03 1 L 0.57 1  M 0.03 0.49 L 0.46 0.49"},
    /* F */ {0.54, "M 0.55 0 L 0.03 0 L 0.03 1  M 0.03 0.48 L 0.44 0.48"},
    /* G */ {0.72, "M 0.69 0.18 C 0.59 0.04 0.49 0 0.39 0 C 0.14 0 0 0.24 0 0.50 "
                   "C 0 0.79 0.17 1 0.41 1 C 0.59 1 0.72 0.88 0.72 0.68 L 0.72 0.55 L 0.41 0.55"},
    /* H */ {0.66, "M 0.03 0 L 0.03 1  M 0.64 0 L 0.64 1  M 0.03 0.50 L 0.64 0.50"},
    /* I */ {0.36, "M 0.18 0 L 0.18 1  M 0 0 L 0.36 0  M 0 1 L 0.36 1"},
    /* J */ {0.52, "M 0.14 0 L 0.52 0  M 0.42 0 L 0.42 0.70 C 0.42 0.92 0.32 1 0.21 1 "
                   "C 0.11 1 0.03 0.94 0 0.80"},
    /* K */ {0.64, "M 0.03 0 L 0.03 1  M 0.62 0 L 0.03 0.62  M 0.23 0.43 L 0.65 1"},
    /* L */ {0.52, "M 0.03 0 L 0.03 1 L 0.53 1"},
    /* M */ {0.84, "M 0 1 L 0.07 0 L 0.42 0.66 L 0.77 0 L 0.84 1"},
    /* N */ {0.68, "M 0.03 1 L 0.03 0 L 0.65 1 L 0.65 0"},
    /* O */ {0.80, "M 0.42 0 C 0.14 0 0 0.24 0 0.50 C 0 0.78 0.16 1 0.40 1 "
                   "C 0.65 1 0.80 0.78 0.80 0.50 C 0.80 0.22 0.64 0 0.38 0.01"},
    /* P */ {0.60, "M 0.03 1 L 0.03 0 L 0.30 0 C 0.61 0 0.62 0.53 0.30 0.53 L 0.03 0.53"},
    /* Q */ {0.82, "M 0.42 0 C 0.14 0 0 0.24 0 0.50 C 0 0.78 0.16 1 0.40 1 "
                   "C 0.65 1 0.80 0.78 0.80 0.50 C 0.80 0.22 0.64 0 0.38 0.01 "
                   "M 0.48 0.70 L 0.83 1.04"},
    /* R */ {0.63, "M 0.03 1 L 0.03 0 L 0.30 0 C 0.61 0 0.62 0.52 0.30 0.52 L 0.03 0.52 "
                   "M 0.28 0.52 L 0.63 1"},
    /* S */ {0.60, "M 0.57 0.14 C 0.49 0.04 0.39 0 0.30 0 C 0.13 0 0.04 0.10 0.04 0.25 "
                   "C 0.04 0.42 0.19 0.46 0.31 0.50 C 0.47 0.55 0.60 0.62 0.60 0.76 "
                   "C 0.60 0.92 0.46 1 0.30 1 C 0.17 1 0.06 0.95 0 0.84"},
    /* T */ {0.68, "M 0 0 L 0.68 0  M 0.34 0 L 0.34 1"},
    /* U */ {0.66, "M 0.03 0 L 0.03 0.66 C 0.03 0.90 0.16 1 0.33 1 C 0.50 1 0.63 0.90 0.63 0.66 L 0.63 0"},
    /* V */ {0.74, "M 0 0 L 0.37 1 L 0.74 0"},
    /* W */ {1.00, "M 0 0 L 0.22 1 L 0.50 0.30 L 0.78 1 L 1.00 0"},
    /* X */ {0.68, "M 0.02 0 L 0.66 1  M 0.66 0 L 0.02 1"},
    /* Y */ {0.68, "M 0 0 L 0.34 0.52 L 0.68 0  M 0.34 0.52 L 0.34 1"},
}};

QPainterPath GlyphPath(const SGlyph& glyph)
{
    QPainterPath path;
    const char* p = glyph.pszStrokes;
    // from_chars, unlike strtod, reads the same whatever the locale.
    auto number = [&p]() {
        while (*p == ' ')
            ++p;
        double d = 0.0;
        p = std::from_chars(p, p + std::strlen(p), d).ptr;
        return d;
    };
    while (*p != '\0') {
        const char cmd = *p++;
        if (cmd == 'M') {
            const double x = number();
            path.moveTo(x, number());
        } else if (cmd == 'L') {
            const double x = number();
            path.lineTo(x, number());
        } else if (cmd == 'C') {
            const double x1 = number(), y1 = number(), x2 = number(), y2 = number(), x = number();
            path.cubicTo(x1, y1, x2, y2, x, number());
        }
    }
    return path;
}

// A small integer hash: the same wobble and the same stray pixels on every machine.
std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

// Uniform in [-1, 1).
double Jitter(std::uint32_t nLetter, std::uint32_t nSlot)
{
    return static_cast<double>(Hash(nLetter, nSlot, 0x51D) % 20000u) / 10000.0 - 1.0;
}

// The letter's centre lines as a pen would draw them: the path is resampled finely,
// then bent by a smooth per-letter warp and a slight tilt, which gives the unsteady
// lines of a hand-drawn letter while crossings stay joined. Units: letter heights.
std::vector<QPolygonF> HandDrawnStrokes(int nLetter)
{
    const auto n = static_cast<std::uint32_t>(nLetter);
    const QPainterPath path = GlyphPath(kGlyphs[static_cast<std::size_t>(nLetter)]);

    const double dTilt = 0.035 * Jitter(n, 1);   // radians
    const double dShear = -0.03 + 0.03 * Jitter(n, 2);
    const double dAmp = 0.024;
    const double fx1 = 5.0 + 2.0 * Jitter(n, 3), fy1 = 3.0 + 2.0 * Jitter(n, 4), px1 = 3.0 * Jitter(n, 5);
    const double fx2 = 3.0 + 2.0 * Jitter(n, 6), fy2 = 6.0 + 2.0 * Jitter(n, 7), px2 = 3.0 * Jitter(n, 8);

    // Curves are flattened at a thousand times the glyph size, then scaled back,
    // so that they stay round at any cell size.
    constexpr double kFine = 1000.0;
    std::vector<QPolygonF> strokes;
    for (const QPolygonF& fine : path.toSubpathPolygons(QTransform::fromScale(kFine, kFine))) {
        const QPolygonF flat = QTransform::fromScale(1.0 / kFine, 1.0 / kFine).map(fine);
        QPolygonF stroke;
        for (int i = 0; i + 1 < flat.size(); ++i) {
            const QPointF a = flat[i];
            const QPointF b = flat[i + 1];
            const double dLen = std::hypot(b.x() - a.x(), b.y() - a.y());
            const int nSteps = std::max(1, static_cast<int>(std::ceil(dLen / 0.02)));
            for (int s = 0; s < nSteps; ++s)
                stroke << a + (b - a) * (static_cast<double>(s) / nSteps);
        }
        stroke << flat.back();
        for (QPointF& pt : stroke) {
            const double x = pt.x(), y = pt.y();
            const double wx = x + dAmp * std::sin(fx1 * x + fy1 * y + px1);
            const double wy = y + dAmp * std::sin(fx2 * x + fy2 * y + px2);
            const double sx = wx + dShear * (wy - 0.5);
            pt = QPointF(sx * std::cos(dTilt) - wy * std::sin(dTilt),
                         sx * std::sin(dTilt) + wy * std::cos(dTilt));
        }
        strokes.push_back(stroke);
    }
    return strokes;
}

// Ink coverage (0..1) of each pixel of an nBox x nBox square, row-major, with the letter
// centred and dHeight pixels tall from the top to the bottom of its ink.
std::vector<double> LetterCoverage(int nLetter, int nBox, double dHeight, double dPen)
{
    constexpr int kSuper = 8;
    const std::vector<QPolygonF> strokes = HandDrawnStrokes(nLetter);

    QRectF bounds;
    for (const QPolygonF& stroke : strokes)
        bounds = bounds.united(stroke.boundingRect());

    const double dScale = (dHeight - dPen) / bounds.height();
    const double dCentre = nBox / 2.0;
    QTransform toPixels;
    toPixels.translate(dCentre * kSuper, dCentre * kSuper);
    toPixels.scale(dScale * kSuper, dScale * kSuper);
    toPixels.translate(-bounds.center().x(), -bounds.center().y());

    QImage super(nBox * kSuper, nBox * kSuper, QImage::Format_Grayscale8);
    super.fill(0);
    {
        QPainter painter(&super);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, dPen * kSuper, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QPolygonF& stroke : strokes)
            painter.drawPolyline(toPixels.map(stroke));
    }

    std::vector<double> coverage(static_cast<std::size_t>(nBox * nBox), 0.0);
    for (int y = 0; y < nBox; ++y) {
        for (int x = 0; x < nBox; ++x) {
            int nInk = 0;
            for (int j = 0; j < kSuper; ++j) {
                const uchar* row = super.constScanLine(y * kSuper + j);
                for (int i = 0; i < kSuper; ++i)
                    nInk += row[x * kSuper + i] >= 128 ? 1 : 0;
            }
            coverage[static_cast<std::size_t>(y * nBox + x)] = nInk / double(kSuper * kSuper);
        }
    }
    return coverage;
}

// Blue ink with silver edges; a few pixels of the faintest edge band get a
// fuchsia or aqua fringe (fuchsia where the ink lies to the right, aqua to the left).
void PaintLetter(SCanvas& canvas, int x0, int y0, int nBox, int nLetter, double dHeight, double dPen,
                 bool bFringe)
{
    const std::vector<double> coverage = LetterCoverage(nLetter, nBox, dHeight, dPen);
    auto cover = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= nBox || y >= nBox)
            return 0.0;
        return coverage[static_cast<std::size_t>(y * nBox + x)];
    };
    for (int y = 0; y < nBox; ++y) {
        for (int x = 0; x < nBox; ++x) {
            const double c = cover(x, y);
            if (c >= 0.5) {
                canvas.Set(x0 + x, y0 + y, Blue);
            } else if (c >= 0.22) {
                canvas.Set(x0 + x, y0 + y, Silver);
            } else if (bFringe && c >= 0.06) {
                const std::uint32_t h = Hash(static_cast<std::uint32_t>(nLetter), static_cast<std::uint32_t>(x),
                                             static_cast<std::uint32_t>(y));
                const double dSide = cover(x + 1, y) - cover(x - 1, y);
                if (h % 5u == 0 && std::fabs(dSide) > 0.2)
                    canvas.Set(x0 + x, y0 + y, dSide > 0 ? Fuchsia : Aqua);
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Letter sheets

constexpr int kSheetSize = 232;

SCanvas DrawSheet(int nGrid, int nCell)
{
    SCanvas sheet(kSheetSize, kSheetSize, White);
    const double dHeight = 0.6 * nCell;
    const double dPen = 0.075 * nCell;
    for (int r = 0; r < nGrid; ++r) {
        for (int c = 0; c < nGrid; ++c) {
            const int x = c * nCell, y = r * nCell;
            sheet.Outline(x, y, nCell, nCell, Black);
            // The letter stays inside the outline, centred on the cell.
            PaintLetter(sheet, x + 1, y + 1, nCell - 2, r * nGrid + c, dHeight, dPen, true);
        }
    }
    return sheet;
}

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
    QImage image(canvas.nWidth, canvas.nHeight, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    for (int y = 0; y < canvas.nHeight; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < canvas.nWidth; ++x)
            row[x] = canvas.At(x, y);
    }
    return image.save(strPath, "PNG");
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
        if (!WriteBmp4(strPath, DrawSheet(s.nGrid, s.nCell))) {
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
