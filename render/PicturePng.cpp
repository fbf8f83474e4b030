#include "render/PicturePng.h"

#include "render/PictureShrink.h"

#include <QIODevice>

#include <png.h>

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <vector>

namespace {

void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp)
{
}

void ReadFromDevice(png_structp png, png_bytep pData, png_size_t nLength)
{
    auto* pDevice = static_cast<QIODevice*>(png_get_io_ptr(png));
    const auto nWanted = static_cast<qint64>(nLength);
    if (pDevice->read(reinterpret_cast<char*>(pData), nWanted) != nWanted)
        png_error(png, "the file ends early");
}

struct SPng
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    png_uint_32 nWidth{};
    png_uint_32 nHeight{};
    int nPasses{};

    SPng() = default;
    SPng(const SPng&) = delete;
    SPng& operator=(const SPng&) = delete;
    ~SPng() { png_destroy_read_struct(&png, &info, nullptr); }
};

// libpng reports errors by a long jump back to the setjmp below; nothing
// with a destructor lives in these functions, so the jump skips none.
// bCombinePasses: libpng puts the passes of an interlaced file together in
// whole rows; else each pass comes as a picture of its own.
bool ReadHeader(SPng& p, QIODevice& device, bool bCombinePasses)
{
    if (setjmp(png_jmpbuf(p.png)))
        return false;
    png_set_read_fn(p.png, &device, ReadFromDevice);
    // Each chunk's own checksum already guards its data.
    png_set_option(p.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(p.png, p.info);
    p.nWidth = png_get_image_width(p.png, p.info);
    p.nHeight = png_get_image_height(p.png, p.info);
    // Every kind of PNG becomes 8-bit RGBA.
    png_set_expand(p.png);
    png_set_strip_16(p.png);
    png_set_gray_to_rgb(p.png);
    png_set_add_alpha(p.png, 0xff, PNG_FILLER_AFTER);
    const bool bAdam7 = png_get_interlace_type(p.png, p.info) == PNG_INTERLACE_ADAM7;
    p.nPasses = bCombinePasses ? png_set_interlace_handling(p.png) : bAdam7 ? PNG_INTERLACE_ADAM7_PASSES : 1;
    png_read_update_info(p.png, p.info);
    return png_get_rowbytes(p.png, p.info) == std::size_t(p.nWidth) * 4;
}

// Rows from nKept on go to the last row of pRows, which is scratch.
bool ReadRows(SPng& p, png_bytep pRows, png_uint_32 nKept)
{
    if (setjmp(png_jmpbuf(p.png)))
        return false;
    const std::size_t nStride = std::size_t(p.nWidth) * 4;
    // Every pass of an interlaced file runs down the whole picture; a plain
    // one ends with the corner's last row.
    const png_uint_32 nRows = p.nPasses > 1 ? p.nHeight : nKept;
    for (int nPass = 0; nPass < p.nPasses; ++nPass) {
        for (png_uint_32 y = 0; y < nRows; ++y)
            png_read_row(p.png, pRows + std::min(y, nKept) * nStride, nullptr);
    }
    return true;
}

void Premultiply(png_bytep pPixels, png_uint_32 nCount)
{
    for (png_bytep p = pPixels; p != pPixels + std::size_t(nCount) * 4; p += 4) {
        if (p[3] == 0xff)
            continue;
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<png_byte>((p[c] * p[3] + 127) / 255);
    }
}

// Every row down to the square's last, each pass of an interlaced file on its own.
bool ShrinkRows(SPng& p, png_bytep pRow, CPictureShrink& shrink, int nLastRow)
{
    if (setjmp(png_jmpbuf(p.png)))
        return false;
    const bool bAdam7 = p.nPasses > 1;
    for (int nPass = 0; nPass < p.nPasses; ++nPass) {
        const png_uint_32 nCols = bAdam7 ? PNG_PASS_COLS(p.nWidth, nPass) : p.nWidth;
        const png_uint_32 nRows = bAdam7 ? PNG_PASS_ROWS(p.nHeight, nPass) : png_uint_32(nLastRow + 1);
        // libpng skips the passes an image too small has no pixels for.
        if (nCols == 0 || nRows == 0)
            continue;
        const int nStep = bAdam7 ? 1 << PNG_PASS_COL_SHIFT(nPass) : 1;
        const int x0 = bAdam7 ? static_cast<int>(PNG_COL_FROM_PASS_COL(0, nPass)) : 0;
        for (png_uint_32 j = 0; j < nRows; ++j) {
            png_read_row(p.png, pRow, nullptr);
            Premultiply(pRow, nCols);
            const png_uint_32 y = bAdam7 ? PNG_ROW_FROM_PASS_ROW(j, nPass) : j;
            shrink.Add(static_cast<int>(y), x0, nStep, pRow, static_cast<int>(nCols));
        }
    }
    return true;
}

} // namespace

namespace PicturePng {

bool IsPng(QIODevice& device)
{
    const QByteArray signature = device.peek(8);
    return signature.size() == 8 && png_sig_cmp(reinterpret_cast<png_const_bytep>(signature.constData()), 0, 8) == 0;
}

SPictureCorner ReadCorner(QIODevice& device, const QSize& corner, int nMaxSide)
{
    SPng p;
    if (!p.info || !ReadHeader(p, device, true))
        return {{}, {}, EPictureFault::NotAPicture};
    const QSize whole(int(std::min<png_uint_32>(p.nWidth, INT_MAX)), int(std::min<png_uint_32>(p.nHeight, INT_MAX)));
    if (whole.width() > nMaxSide || whole.height() > nMaxSide)
        return {{}, whole, EPictureFault::TooLarge};

    const QSize kept = whole.boundedTo(corner);
    const auto nKept = static_cast<png_uint_32>(kept.height());
    const std::size_t nStride = std::size_t(p.nWidth) * 4;
    std::vector<png_byte> rows((nKept + 1) * nStride);
    if (!ReadRows(p, rows.data(), nKept))
        return {{}, whole, EPictureFault::NotAPicture};

    QImage image(kept, QImage::Format_RGBA8888);
    for (int y = 0; y < kept.height(); ++y)
        std::copy_n(rows.data() + std::size_t(y) * nStride, std::size_t(kept.width()) * 4, image.scanLine(y));
    return {image, whole, EPictureFault::None};
}

SPictureCorner ReadSquare(QIODevice& device, int nSide, int nMaxSide)
{
    SPng p;
    if (!p.info || !ReadHeader(p, device, false))
        return {{}, {}, EPictureFault::NotAPicture};
    const QSize whole(int(std::min<png_uint_32>(p.nWidth, INT_MAX)), int(std::min<png_uint_32>(p.nHeight, INT_MAX)));
    if (whole.width() > nMaxSide || whole.height() > nMaxSide)
        return {{}, whole, EPictureFault::TooLarge};

    const int nSquare = std::min(whole.width(), whole.height());
    const QRect square((whole.width() - nSquare) / 2, (whole.height() - nSquare) / 2, nSquare, nSquare);
    CPictureShrink shrink(square, std::min(nSquare, nSide));
    std::vector<png_byte> row(std::size_t(p.nWidth) * 4);
    if (!ShrinkRows(p, row.data(), shrink, square.bottom()))
        return {{}, whole, EPictureFault::NotAPicture};
    return {shrink.Result(), whole, EPictureFault::None};
}

} // namespace PicturePng
