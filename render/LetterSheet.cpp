#include "render/LetterSheet.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace LetterSheet {

namespace {

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
    // Eight by eight samples a pixel; fewer in large boxes, where a pixel is a
    // smaller part of a stroke and the samples would cost much memory.
    const int kSuper = nBox <= 100 ? 8 : std::max(2, 800 / nBox);
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

} // namespace

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

SCanvas Draw(int nGrid, int nCell, int nLine, int nSheet)
{
    SCanvas sheet(nSheet, nSheet, White);
    const double dHeight = 0.6 * nCell;
    const double dPen = 0.075 * nCell;
    for (int r = 0; r < nGrid; ++r) {
        for (int c = 0; c < nGrid; ++c) {
            const int x = c * nCell;
            const int y = r * nCell;
            sheet.Outline(x, y, nCell, nCell, Black, nLine);
            // The letter stays inside the outline, centred on the cell.
            PaintLetter(sheet, x + nLine, y + nLine, nCell - 2 * nLine, r * nGrid + c, dHeight, dPen, true);
        }
    }
    return sheet;
}

QImage ToImage(const SCanvas& canvas)
{
    QImage image(canvas.nWidth, canvas.nHeight, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    for (int y = 0; y < canvas.nHeight; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < canvas.nWidth; ++x)
            row[x] = canvas.At(x, y);
    }
    return image;
}

} // namespace LetterSheet
