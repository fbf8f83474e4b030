#include "HostileFiles.h"

#include "TestPictures.h"
#include "tools/GifWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

namespace HostileFiles {

namespace {

void PutBig32(QByteArray& bytes, quint32 nValue)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>((nValue >> shift) & 0xff));
}

void PutLittle(QByteArray& bytes, quint32 nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        bytes.append(static_cast<char>((nValue >> (8 * i)) & 0xff));
}

quint32 Crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(ch)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    PutBig32(png, static_cast<quint32>(data.size()));
    const QByteArray body = QByteArray(type) + data;
    png.append(body);
    PutBig32(png, Crc32(body));
}

// A PNG signature and header chunk, then idat as its only data chunk if given.
QByteArray Png(int nWidth, int nHeight, int nColourType, int nBitDepth, const QByteArray& idat = QByteArray())
{
    QByteArray ihdr;
    PutBig32(ihdr, static_cast<quint32>(nWidth));
    PutBig32(ihdr, static_cast<quint32>(nHeight));
    ihdr.append(static_cast<char>(nBitDepth));
    ihdr.append(static_cast<char>(nColourType));
    ihdr.append(3, '\0');  // deflate, adaptive filters, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", ihdr);
    if (!idat.isEmpty())
        PutChunk(png, "IDAT", idat);
    PutChunk(png, "IEND", QByteArray());
    return png;
}

// A zlib stream of nZeros zero bytes: one fixed-Huffman block of a literal 0
// and then copies of 258 bytes from one byte back, 13 bits for every 258
// bytes, so a few hundred kilobytes stand for hundreds of megabytes.
QByteArray ZlibZeros(qint64 nZeros)
{
    QByteArray zlib("\x78\x01", 2);
    quint32 nByte = 0;
    int nBits = 0;
    // Deflate fills each byte from its lowest bit, Huffman codes first bit first.
    auto code = [&](quint32 nCode, int nLength) {
        for (int i = nLength - 1; i >= 0; --i) {
            nByte |= ((nCode >> i) & 1) << nBits;
            if (++nBits == 8) {
                zlib.append(static_cast<char>(nByte));
                nByte = 0;
                nBits = 0;
            }
        }
    };
    constexpr quint32 kLiteralZero = 0x30;  // 8 bits
    constexpr quint32 kLength258 = 0xC5;    // 8 bits
    code(0b110, 3);  // the last block, fixed codes
    qint64 nLeft = nZeros;
    if (nLeft > 0) {
        code(kLiteralZero, 8);
        --nLeft;
    }
    for (; nLeft >= 258; nLeft -= 258) {
        code(kLength258, 8);
        code(0, 5);  // distance 1
    }
    for (; nLeft > 0; --nLeft)
        code(kLiteralZero, 8);
    code(0, 7);  // end of block
    if (nBits > 0)
        zlib.append(static_cast<char>(nByte));
    // Adler-32 of zeros: the low sum stays 1, the high one adds 1 per byte.
    PutBig32(zlib, (static_cast<quint32>(nZeros % 65521) << 16) | 1u);
    return zlib;
}

// A PNG whose pixels are all zero; with nMaxBytes at or above 0 its valid
// stream ends early, after that many bytes of pixel data.
QByteArray ZeroPng(int nWidth, int nHeight, int nColourType, int nBitDepth, qint64 nMaxBytes = -1)
{
    const int nChannels = nColourType == 6 ? 4 : nColourType == 2 ? 3 : nColourType == 4 ? 2 : 1;
    const qint64 nBytes = (1 + (static_cast<qint64>(nWidth) * nChannels * nBitDepth + 7) / 8) * nHeight;
    return Png(nWidth, nHeight, nColourType, nBitDepth, ZlibZeros(nMaxBytes >= 0 ? qMin(nBytes, nMaxBytes) : nBytes));
}

// A GIF whose screen and one image declare nWidth x nHeight: a global table
// of two colours, and one pixel of data.
QByteArray GifHeader(int nWidth, int nHeight)
{
    QByteArray size;
    PutLittle(size, static_cast<quint32>(nWidth), 2);
    PutLittle(size, static_cast<quint32>(nHeight), 2);
    return "GIF89a" + size + QByteArray("\x80\0\0" "\0\0\0\xff\xff\xff" ",\0\0\0\0", 14) + size
        + QByteArray("\0" "\x02\x02\x44\x01\0" ";", 7);
}

// A BMP file and info header declaring nWidth x nHeight at nBits per pixel, no pixels.
QByteArray BmpHeader(int nWidth, int nHeight, int nBits)
{
    const quint32 nColours = nBits <= 8 ? 1u << nBits : 0u;
    const quint32 nOffset = 14 + 40 + 4 * nColours;
    const quint64 nRow = ((static_cast<quint64>(nWidth) * static_cast<quint64>(nBits) + 31) / 32) * 4;
    const auto nImage = static_cast<quint32>(nRow * static_cast<quint64>(nHeight));
    QByteArray bmp("BM");
    for (auto value : {nOffset + nImage, 0u, nOffset, 40u, static_cast<quint32>(nWidth), static_cast<quint32>(nHeight)})
        PutLittle(bmp, value, 4);
    PutLittle(bmp, 1, 2);
    PutLittle(bmp, static_cast<quint32>(nBits), 2);
    // No compression, the image size, 72 dpi both ways, the colours.
    for (quint32 value : {0u, nImage, 2835u, 2835u, nColours, 0u})
        PutLittle(bmp, value, 4);
    for (quint32 i = 0; i < nColours; ++i)
        PutLittle(bmp, i * 0x010101, 4);
    return bmp;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A real 16 x 16 JPEG whose frame header claims nWidth x nHeight; with
// bHeaderOnly it ends where its scan data would begin.
QByteArray JpegClaiming(int nWidth, int nHeight, bool bHeaderOnly)
{
    QByteArray jpeg = Encoded(TestPictures::Coordinates(16, 16), "jpg");
    if (bHeaderOnly)
        jpeg = jpeg.left(jpeg.indexOf("\xff\xda"));
    // The baseline frame header: FF C0, length, precision, height, width.
    const qsizetype at = jpeg.indexOf("\xff\xc0");
    if (at < 0)
        return jpeg;
    jpeg[at + 5] = static_cast<char>((nHeight >> 8) & 0xff);
    jpeg[at + 6] = static_cast<char>(nHeight & 0xff);
    jpeg[at + 7] = static_cast<char>((nWidth >> 8) & 0xff);
    jpeg[at + 8] = static_cast<char>(nWidth & 0xff);
    return jpeg;
}

QList<qsizetype> CutPoints(qsizetype nSize, int nCount)
{
    QList<qsizetype> cuts;
    for (qsizetype cut = 0; cut < qMin<qsizetype>(100, nSize); ++cut)
        cuts << cut;
    const qsizetype nRest = nSize - 100;
    for (int i = 0; nRest > 0 && i < nCount; ++i) {
        const qsizetype cut = 100 + nRest * i / nCount;
        if (cuts.isEmpty() || cut > cuts.constLast())
            cuts << cut;
    }
    // The last byte missing: only the end marker is gone.
    if (nSize > 0 && cuts.constLast() != nSize - 1)
        cuts << nSize - 1;
    return cuts;
}

} // namespace

QList<SCase> WholePictures()
{
    const QImage picture = TestPictures::Coordinates(200, 150, 7);
    const QString group = QStringLiteral("whole");
    QList<SCase> cases{{group, QStringLiteral("whole.jpg"), Encoded(picture, "jpg")},
                       {group, QStringLiteral("whole.png"), Encoded(picture, "png")},
                       {group, QStringLiteral("whole.bmp"), Encoded(picture, "bmp")}};
    // GIF has 256 colours at most: a picture of 16 x 16 colour squares.
    QImage squares(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < squares.height(); ++y)
        for (int x = 0; x < squares.width(); ++x)
            squares.setPixel(x, y, qRgb((x / 8) * 16, (y / 8) * 16, 128));
    const QString strGif = QDir::temp().filePath(QStringLiteral("slydra-hostile-%1.gif").arg(QCoreApplication::applicationPid()));
    QByteArray gif;
    if (CGifWriter::Save(squares, strGif)) {
        QFile file(strGif);
        if (file.open(QIODevice::ReadOnly))
            gif = file.readAll();
        file.remove();
    }
    cases << SCase{group, QStringLiteral("whole.gif"), gif};
    return cases;
}

QList<SCase> BombCases()
{
    const QString group = QStringLiteral("bomb");
    return {
        {group, QStringLiteral("png-header-10000.png"), Png(10000, 10000, 6, 8)},
        {group, QStringLiteral("png-header-65535.png"), Png(65535, 65535, 6, 8)},
        {group, QStringLiteral("gif-header-10000.gif"), GifHeader(10000, 10000)},
        {group, QStringLiteral("gif-header-65535.gif"), GifHeader(65535, 65535)},
        {group, QStringLiteral("bmp-header-10000-24bit.bmp"), BmpHeader(10000, 10000, 24)},
        {group, QStringLiteral("bmp-header-10000-8bit.bmp"), BmpHeader(10000, 10000, 8)},
        {group, QStringLiteral("bmp-header-65535.bmp"), BmpHeader(65535, 65535, 24)},
        {group, QStringLiteral("jpeg-header-10000.jpg"), JpegClaiming(10000, 10000, true)},
        {group, QStringLiteral("jpeg-header-65535.jpg"), JpegClaiming(65535, 65535, true)},
        {group, QStringLiteral("jpeg-claiming-65535.jpg"), JpegClaiming(65535, 65535, false)},
        // Whole, valid deflate streams: 800 MB of 16-bit RGBA and 400 MB of
        // 8-bit RGBA behind a few hundred kilobytes each.
        {group, QStringLiteral("png-zeros-10000-rgba16.png"), ZeroPng(10000, 10000, 6, 16)},
        {group, QStringLiteral("png-zeros-10000-rgba8.png"), ZeroPng(10000, 10000, 6, 8)},
        // Just past the decode limit: 5800 x 5800 at 4 bytes a pixel is 128.3 MB.
        {group, QStringLiteral("png-zeros-5800-grey8.png"), ZeroPng(5800, 5800, 0, 8)},
        // 17 GB of pixels declared, a stream of the first 16 MB of them.
        {group, QStringLiteral("png-zeros-65535-16mb.png"), ZeroPng(65535, 65535, 6, 8, 16 << 20)},
    };
}

QList<SCase> ShownCases()
{
    const QString group = QStringLiteral("shown");
    const QList<SCase> whole = WholePictures();
    return {
        {group, QStringLiteral("gif-named.jpg"), whole[3].bytes},
        {group, QStringLiteral("jpeg-named.bmp"), whole[0].bytes},
        {group, QStringLiteral("jpeg-claiming-10000.jpg"), JpegClaiming(10000, 10000, false)},
        {group, QStringLiteral("png-zeros-5792-grey8.png"), ZeroPng(5792, 5792, 0, 8)},
    };
}

QList<SCase> RegularFileCases(int nCutsPerFile)
{
    QList<SCase> cases;
    for (const char* name : {"empty.jpg", "empty.gif", "empty.bmp", "empty.png"})
        cases << SCase{QStringLiteral("empty"), QString::fromLatin1(name), QByteArray()};

    const QList<SCase> whole = WholePictures();
    for (const SCase& picture : whole) {
        const QString strSuffix = picture.strName.section(QLatin1Char('.'), -1);
        for (const qsizetype cut : CutPoints(picture.bytes.size(), nCutsPerFile)) {
            cases << SCase{QStringLiteral("truncated .") + strSuffix,
                           QStringLiteral("cut-%1.%2").arg(cut).arg(strSuffix), picture.bytes.left(cut)};
        }
    }

    // Names that lie: no picture at all behind a picture's name, and a
    // picture cut short behind another format's name.
    const QByteArray text = QByteArrayLiteral("This is not a picture.\n").repeated(40);
    auto half = [&whole](int n) { return whole[n].bytes.left(whole[n].bytes.size() / 2); };
    const std::pair<const char*, QByteArray> lying[] = {
        {"text.jpg", text}, {"text.gif", text},
        {"program.bmp", QByteArray("\x7f" "ELF\x02\x01\x01", 7) + QByteArray(500, '\x01')},
        {"noise.jpg", QByteArray(4096, '\xA5')},
        {"png-cut.jpg", half(1)}, {"jpg-cut.gif", half(0)}, {"gif-cut.bmp", half(3)}, {"bmp-cut.jpg", half(2)},
    };
    for (const auto& [pszName, bytes] : lying)
        cases << SCase{QStringLiteral("lying name"), QString::fromLatin1(pszName), bytes};
    return cases << BombCases();
}

bool RunsWithoutBlocking(const QString& strPath, const std::function<void()>& fn)
{
    const QByteArray path = QFile::encodeName(strPath);
    std::atomic<bool> bDone{false};
    std::atomic<bool> bBlocked{false};
    std::thread watchdog([&] {
        for (int waited = 0; !bDone; waited += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (waited < 3000)
                continue;
            // Succeeds only while a reader waits on the FIFO; closing it
            // hands that reader an end of file.
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                bBlocked = true;
                ::close(fd);
            }
        }
    });
    fn();
    bDone = true;
    watchdog.join();
    return !bBlocked;
}

} // namespace HostileFiles
