#include "TestPictures.h"

#include <QByteArray>
#include <QFile>

namespace TestPictures {

QImage Coordinates(int nWidth, int nHeight, int nShift)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const int blue = 16 * (x / 256) + y / 256;
            image.setPixel(x, y, qRgb((x + nShift) & 0xff, (y + nShift) & 0xff, (blue + nShift) & 0xff));
        }
    }
    return image;
}

namespace {

void PutWord(QByteArray& bytes, int nValue)
{
    bytes.append(static_cast<char>(nValue & 0xff));
    bytes.append(static_cast<char>((nValue >> 8) & 0xff));
}

// LSB-first packing of 9-bit LZW codes.
class CCodeWriter
{
public:
    void Put(int nCode)
    {
        m_nBits |= static_cast<quint32>(nCode) << m_nCount;
        m_nCount += 9;
        while (m_nCount >= 8) {
            m_data.append(static_cast<char>(m_nBits & 0xff));
            m_nBits >>= 8;
            m_nCount -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_nCount > 0)
            m_data.append(static_cast<char>(m_nBits & 0xff));
        return m_data;
    }

private:
    QByteArray m_data;
    quint32 m_nBits = 0;
    int m_nCount = 0;
};

} // namespace

bool SaveGif(const QImage& image, const QString& strPath)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (indexed.isNull() || indexed.colorCount() > 256)
        return false;

    QByteArray bytes("GIF89a");
    PutWord(bytes, indexed.width());
    PutWord(bytes, indexed.height());
    bytes.append(static_cast<char>(0xf7));  // a global table of 256 colours
    bytes.append('\0');
    bytes.append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < indexed.colorCount() ? indexed.color(i) : 0;
        bytes.append(static_cast<char>(qRed(rgb)));
        bytes.append(static_cast<char>(qGreen(rgb)));
        bytes.append(static_cast<char>(qBlue(rgb)));
    }
    bytes.append(',');
    PutWord(bytes, 0);
    PutWord(bytes, 0);
    PutWord(bytes, indexed.width());
    PutWord(bytes, indexed.height());
    bytes.append('\0');

    // Only literal codes, with a clear code often enough that the code width
    // never grows past 9 bits: valid LZW, just not compressed.
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    CCodeWriter codes;
    int nSinceClear = 0;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (nSinceClear == 0)
                codes.Put(kClear);
            codes.Put(line[x]);
            nSinceClear = (nSinceClear + 1) % 200;
        }
    }
    codes.Put(kEnd);
    const QByteArray data = codes.Finish();

    bytes.append('\x08');  // minimum code size
    for (int at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        bytes.append(static_cast<char>(block.size()));
        bytes.append(block);
    }
    bytes.append('\0');
    bytes.append(';');

    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace TestPictures
