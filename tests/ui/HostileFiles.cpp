#include "HostileFiles.h"

#include "TestPictures.h"
#include "tools/GifWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <array>

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

QByteArray Ihdr(int nWidth, int nHeight, int nColourType, int nBitDepth)
{
    QByteArray ihdr;
    PutBig32(ihdr, static_cast<quint32>(nWidth));
    PutBig32(ihdr, static_cast<quint32>(nHeight));
    ihdr.append(static_cast<char>(nBitDepth));
    ihdr.append(static_cast<char>(nColourType));
    ihdr.append(3, '\0');  // deflate, adaptive filters, no interlace
    return ihdr;
}

// Deflate's bit order: fields LSB first, Huffman codes MSB first.
class CBitWriter
{
public:
    void Bits(quint32 nValue, int nCount)
    {
        for (int i = 0; i < nCount; ++i)
            Bit((nValue >> i) & 1);
    }
    void Code(quint32 nCode, int nLength)
    {
        for (int i = nLength - 1; i >= 0; --i)
            Bit((nCode >> i) & 1);
    }
    QByteArray Finish()
    {
        if (m_nCount > 0)
            m_data.append(static_cast<char>(m_nByte));
        return m_data;
    }

private:
    void Bit(quint32 bit)
    {
        m_nByte |= bit << m_nCount;
        if (++m_nCount == 8) {
            m_data.append(static_cast<char>(m_nByte));
            m_nByte = 0;
            m_nCount = 0;
        }
    }

    QByteArray m_data;
    quint32 m_nByte = 0;
    int m_nCount = 0;
};

// A zlib stream of nZeros zero bytes: one fixed-Huffman block of a literal 0
// and then copies of 258 bytes from one byte back.
QByteArray ZlibZeros(qint64 nZeros)
{
    CBitWriter out;
    out.Bits(1, 1);  // last block
    out.Bits(1, 2);  // fixed codes
    constexpr quint32 kLiteralZero = 0x30;  // 8 bits
    constexpr quint32 kLength258 = 0xC5;    // 8 bits
    qint64 nLeft = nZeros;
    if (nLeft > 0) {
        out.Code(kLiteralZero, 8);
        --nLeft;
    }
    for (; nLeft >= 258; nLeft -= 258) {
        out.Code(kLength258, 8);
        out.Code(0, 5);  // distance 1
    }
    for (; nLeft > 0; --nLeft)
        out.Code(kLiteralZero, 8);
    out.Code(0, 7);  // end of block

    QByteArray zlib("\x78\x01", 2);
    zlib.append(out.Finish());
    // Adler-32 of zeros: the low sum stays 1, the high one adds 1 per byte.
    PutBig32(zlib, (static_cast<quint32>(nZeros % 65521) << 16) | 1u);
    return zlib;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

QByteArray ZeroPng(int nWidth, int nHeight, int nColourType, int nBitDepth, qint64 nMaxBytes)
{
    const int nChannels = nColourType == 6 ? 4 : nColourType == 2 ? 3 : nColourType == 4 ? 2 : 1;
    const qint64 nRow = 1 + (static_cast<qint64>(nWidth) * nChannels * nBitDepth + 7) / 8;
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", Ihdr(nWidth, nHeight, nColourType, nBitDepth));
    const qint64 nBytes = nRow * nHeight;
    PutChunk(png, "IDAT", ZlibZeros(nMaxBytes >= 0 ? qMin(nBytes, nMaxBytes) : nBytes));
    PutChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray PngHeader(int nWidth, int nHeight)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", Ihdr(nWidth, nHeight, 6, 8));
    PutChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray GifHeader(int nWidth, int nHeight)
{
    QByteArray gif("GIF89a");
    PutLittle(gif, static_cast<quint32>(nWidth), 2);
    PutLittle(gif, static_cast<quint32>(nHeight), 2);
    gif.append("\x80\0\0", 3);            // a global table of two colours
    gif.append("\0\0\0\xff\xff\xff", 6);
    gif.append(',');
    PutLittle(gif, 0, 4);
    PutLittle(gif, static_cast<quint32>(nWidth), 2);
    PutLittle(gif, static_cast<quint32>(nHeight), 2);
    gif.append('\0');
    gif.append("\x02\x02\x44\x01\0", 5);  // clear, one pixel, end
    gif.append(';');
    return gif;
}

QByteArray BmpHeader(int nWidth, int nHeight, int nBits)
{
    const int nColours = nBits <= 8 ? 1 << nBits : 0;
    const quint32 nOffset = 14 + 40 + 4 * static_cast<quint32>(nColours);
    const quint64 nRow = ((static_cast<quint64>(nWidth) * static_cast<quint64>(nBits) + 31) / 32) * 4;
    const quint64 nImage = nRow * static_cast<quint64>(nHeight);
    QByteArray bmp("BM");
    PutLittle(bmp, static_cast<quint32>(nOffset + nImage), 4);
    PutLittle(bmp, 0, 4);
    PutLittle(bmp, nOffset, 4);
    PutLittle(bmp, 40, 4);
    PutLittle(bmp, static_cast<quint32>(nWidth), 4);
    PutLittle(bmp, static_cast<quint32>(nHeight), 4);
    PutLittle(bmp, 1, 2);
    PutLittle(bmp, static_cast<quint32>(nBits), 2);
    PutLittle(bmp, 0, 4);  // no compression
    PutLittle(bmp, static_cast<quint32>(nImage), 4);
    PutLittle(bmp, 2835, 4);
    PutLittle(bmp, 2835, 4);
    PutLittle(bmp, static_cast<quint32>(nColours), 4);
    PutLittle(bmp, 0, 4);
    for (int i = 0; i < nColours; ++i)
        PutLittle(bmp, static_cast<quint32>(i * 0x010101), 4);
    return bmp;
}

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

QList<SCase> WholePictures()
{
    const QImage picture = TestPictures::Coordinates(200, 150, 7);
    QList<SCase> cases;
    cases << SCase{QStringLiteral("whole"), QStringLiteral("whole.jpg"), Encoded(picture, "jpg")};
    cases << SCase{QStringLiteral("whole"), QStringLiteral("whole.png"), Encoded(picture, "png")};
    cases << SCase{QStringLiteral("whole"), QStringLiteral("whole.bmp"), Encoded(picture, "bmp")};
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
    cases << SCase{QStringLiteral("whole"), QStringLiteral("whole.gif"), gif};
    return cases;
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

QList<SCase> BombCases()
{
    const QString group = QStringLiteral("bomb");
    return {
        {group, QStringLiteral("png-header-10000.png"), PngHeader(10000, 10000)},
        {group, QStringLiteral("png-header-65535.png"), PngHeader(65535, 65535)},
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

    for (const SCase& whole : WholePictures()) {
        const QString strSuffix = whole.strName.section(QLatin1Char('.'), -1);
        for (const qsizetype cut : CutPoints(whole.bytes.size(), nCutsPerFile)) {
            cases << SCase{QStringLiteral("truncated .") + strSuffix,
                           QStringLiteral("cut-%1.%2").arg(cut).arg(strSuffix), whole.bytes.left(cut)};
        }
    }

    // Names that lie: no picture at all behind a picture's name, and a
    // picture cut short behind another format's name.
    const QByteArray text = QByteArrayLiteral("This is not a picture.\n").repeated(40);
    const QByteArray elfLike = QByteArray("\x7f" "ELF\x02\x01\x01", 7) + QByteArray(500, '\x01');
    const QList<SCase> whole = WholePictures();
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("text.jpg"), text};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("text.gif"), text};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("program.bmp"), elfLike};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("noise.jpg"), QByteArray(4096, '\xA5')};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("png-cut.jpg"), whole[1].bytes.left(whole[1].bytes.size() / 2)};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("jpg-cut.gif"), whole[0].bytes.left(whole[0].bytes.size() / 2)};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("gif-cut.bmp"), whole[3].bytes.left(whole[3].bytes.size() / 2)};
    cases << SCase{QStringLiteral("lying name"), QStringLiteral("bmp-cut.jpg"), whole[2].bytes.left(whole[2].bytes.size() / 2)};

    cases << BombCases();
    return cases;
}

} // namespace HostileFiles
