#include "scores/StatsCodec.h"

#include <cstdint>

namespace {

constexpr unsigned char kEscape = 0xFF;
constexpr quint16 kWideMarker = 0xFFFE;
constexpr quint16 kLength32 = 0xFFFF;

void AppendU16(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void AppendU32(QByteArray& out, quint32 value)
{
    AppendU16(out, static_cast<quint16>(value & 0xFFFF));
    AppendU16(out, static_cast<quint16>(value >> 16));
}

// Reads little-endian values from the front of the bytes; every read checks
// what is left first, so a false length can never cause a large allocation.
class CByteReader
{
public:
    explicit CByteReader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool ReadU8(quint8& value)
    {
        if (Remaining() < 1)
            return false;
        value = static_cast<quint8>(Byte(m_nPos++));
        return true;
    }

    bool ReadU16(quint16& value)
    {
        if (Remaining() < 2)
            return false;
        value = static_cast<quint16>(Byte(m_nPos) | (Byte(m_nPos + 1) << 8));
        m_nPos += 2;
        return true;
    }

    bool ReadU32(quint32& value)
    {
        quint16 low{};
        quint16 high{};
        if (!ReadU16(low) || !ReadU16(high))
            return false;
        value = static_cast<quint32>(low) | (static_cast<quint32>(high) << 16);
        return true;
    }

    bool ReadInt(int& value)
    {
        quint32 raw{};
        if (!ReadU32(raw))
            return false;
        value = static_cast<int>(static_cast<std::int32_t>(raw));
        return true;
    }

    bool ReadName(QString& strName)
    {
        bool bWide{};
        quint32 nLength{};
        if (!ReadLength(nLength, bWide))
            return false;
        const qint64 nBytes = static_cast<qint64>(nLength) * (bWide ? 2 : 1);
        if (nBytes > Remaining())
            return false;

        if (bWide) {
            QString strWide(static_cast<qsizetype>(nLength), Qt::Uninitialized);
            QChar* units = strWide.data();
            for (qsizetype i = 0; i < strWide.size(); ++i)
                units[i] = QChar(static_cast<char16_t>(Byte(m_nPos + 2 * i) | (Byte(m_nPos + 2 * i + 1) << 8)));
            strName = strWide;
        } else {
            strName = QString::fromLatin1(m_bytes.constData() + m_nPos, static_cast<qsizetype>(nBytes));
        }
        m_nPos += static_cast<qsizetype>(nBytes);
        return true;
    }

private:
    // The first 0xFF is shared by the wide marker and the longer 8-bit
    // prefixes, so the 16-bit value after it decides which one this is.
    bool ReadLength(quint32& nLength, bool& bWide)
    {
        bWide = false;
        quint8 nShort{};
        if (!ReadU8(nShort))
            return false;
        if (nShort != kEscape) {
            nLength = nShort;
            return true;
        }
        quint16 nMiddle{};
        if (!ReadU16(nMiddle))
            return false;
        if (nMiddle == kWideMarker) {
            bWide = true;
            if (!ReadU8(nShort))
                return false;
            if (nShort != kEscape) {
                nLength = nShort;
                return true;
            }
            // After the marker 0xFFFE is a plain length; only 0xFFFF escapes.
            if (!ReadU16(nMiddle))
                return false;
        }
        if (nMiddle != kLength32) {
            nLength = nMiddle;
            return true;
        }
        return ReadU32(nLength);
    }

    qint64 Remaining() const { return m_bytes.size() - m_nPos; }
    int Byte(qsizetype nAt) const { return static_cast<unsigned char>(m_bytes[nAt]); }

    const QByteArray& m_bytes;
    qsizetype m_nPos = 0;
};

} // namespace

QByteArray CStatsCodec::EncodeName(const QString& strName)
{
    QByteArray out;
    out.append(static_cast<char>(kEscape));
    AppendU16(out, kWideMarker);

    const qsizetype nLength = strName.size();
    if (nLength < kEscape) {
        out.append(static_cast<char>(nLength));
    } else if (nLength < kWideMarker) {
        out.append(static_cast<char>(kEscape));
        AppendU16(out, static_cast<quint16>(nLength));
    } else {
        out.append(static_cast<char>(kEscape));
        AppendU16(out, kLength32);
        AppendU32(out, static_cast<quint32>(nLength));
    }

    for (const QChar unit : strName)
        AppendU16(out, unit.unicode());
    return out;
}

QByteArray CStatsCodec::Encode(const SStatsRecords& records)
{
    QByteArray out;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        AppendU32(out, static_cast<quint32>(records.leastMoves[level]));
        AppendU32(out, static_cast<quint32>(records.fastestTime[level]));
    }
    for (const QString& strName : records.movesName)
        out.append(EncodeName(strName));
    for (const QString& strName : records.timeName)
        out.append(EncodeName(strName));
    return out;
}

std::optional<SStatsRecords> CStatsCodec::Decode(const QByteArray& bytes)
{
    CByteReader reader(bytes);
    SStatsRecords records;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        if (!reader.ReadInt(records.leastMoves[level]) || !reader.ReadInt(records.fastestTime[level]))
            return std::nullopt;
    }
    for (QString& strName : records.movesName) {
        if (!reader.ReadName(strName))
            return std::nullopt;
    }
    for (QString& strName : records.timeName) {
        if (!reader.ReadName(strName))
            return std::nullopt;
    }
    return records;
}
