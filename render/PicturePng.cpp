#include "render/PicturePng.h"

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
// with a destructor lives in these two functions, so the jump skips none.
bool ReadHeader(SPng& p, QIODevice& device)
{
    if (setjmp(png_jmpbuf(p.png)))
        return false;
    png_set_read_fn(p.png, &device, ReadFromDevice);
    png_read_info(p.png, p.info);
    p.nWidth = png_get_image_width(p.png, p.info);
    p.nHeight = png_get_image_height(p.png, p.info);
    // Every kind of PNG becomes 8-bit RGBA.
    png_set_expand(p.png);
    png_set_strip_16(p.png);
    png_set_gray_to_rgb(p.png);
    png_set_add_alpha(p.png, 0xff, PNG_FILLER_AFTER);
    p.nPasses = png_set_interlace_handling(p.png);
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
    if (!p.info || !ReadHeader(p, device))
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

} // namespace PicturePng
