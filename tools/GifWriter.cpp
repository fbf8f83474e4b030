#include "tools/GifWriter.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <unordered_map>

namespace {

void PutWord(QByteArray& bytes, int nValue)
{
    bytes.append(static_cast<char>(nValue & 0xff));
    bytes.append(static_cast<char>((nValue >> 8) & 0xff));
}

// LSB-first packing of variable-width LZW codes.
class CCodeWriter
{
public:
    void Put(int nCode, int nBits)
    {
        m_nAccum |= static_cast<std::uint32_t>(nCode) << m_nCount;
        m_nCount += nBits;
        while (m_nCount >= 8) {
            m_data.append(static_cast<char>(m_nAccum & 0xff));
            m_nAccum >>= 8;
            m_nCount -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_nCount > 0)
            m_data.append(static_cast<char>(m_nAccum & 0xff));
        return m_data;
    }

private:
    QByteArray m_data;
    std::uint32_t m_nAccum = 0;
    int m_nCount = 0;
};

// The standard GIF variant of LZW: 8-bit pixels, codes from 9 to 12 bits, a
// clear code when the table is full.
QByteArray Lzw(const QImage& indexed)
{
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    constexpr int kMaxCodes = 4096;
    CCodeWriter out;
    std::unordered_map<std::uint32_t, int> table;
    int nNext = kEnd + 1;
    int nBits = 9;
    out.Put(kClear, nBits);
    int nPrefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int c = line[x];
            if (nPrefix < 0) {
                nPrefix = c;
                continue;
            }
            const std::uint32_t key = (static_cast<std::uint32_t>(nPrefix) << 8) | static_cast<std::uint32_t>(c);
            const auto it = table.find(key);
            if (it != table.end()) {
                nPrefix = it->second;
                continue;
            }
            out.Put(nPrefix, nBits);
            if (nNext < kMaxCodes) {
                table.emplace(key, nNext);
                if (nNext == (1 << nBits) && nBits < 12)
                    ++nBits;
                ++nNext;
            } else {
                out.Put(kClear, nBits);
                table.clear();
                nNext = kEnd + 1;
                nBits = 9;
            }
            nPrefix = c;
        }
    }
    if (nPrefix >= 0)
        out.Put(nPrefix, nBits);
    out.Put(kEnd, nBits);
    return out.Finish();
}

} // namespace

bool CGifWriter::Save(const QImage& image, const QString& strPath)
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

    const QByteArray data = Lzw(indexed);
    bytes.append('\x08');  // minimum code size
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        bytes.append(static_cast<char>(block.size()));
        bytes.append(block);
    }
    bytes.append('\0');
    bytes.append(';');

    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
