#include "scores/StatsCodec.h"
#include "StatsFixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

namespace {

QByteArray Hex(const char* text)
{
    // fromHex skips the spaces, which keep the byte groups readable.
    return QByteArray::fromHex(text);
}

// A whole file whose last name is given as raw bytes and whose other five
// names are empty, so one name's bytes go through the real decoder and a
// length that overruns it runs past the true end of the input.
std::optional<QString> DecodeLastName(const QByteArray& nameBytes)
{
    const QByteArray bytes = QByteArray(24, '\0') + Hex("FFFEFF00").repeated(5) + nameBytes;
    const std::optional<SStatsRecords> records = CStatsCodec::Decode(bytes);
    if (!records)
        return std::nullopt;
    return records->timeName[2];
}

QString Repeated(QChar unit, qsizetype nCount)
{
    return QString(nCount, unit);
}

} // namespace

// ---- Bytes written -------------------------------------------------------

TEST(StatsCodecBytes, DefaultRecordsAreThe156ByteFile)
{
    const QByteArray bytes = CStatsCodec::Encode(DefaultStatsRecords());
    EXPECT_EQ(bytes.size(), 156);
    EXPECT_EQ(bytes.toHex(' '), DefaultStatsFile().toHex(' '));
}

TEST(StatsCodecBytes, IntegersInterleavedByLevelAndNamesGrouped)
{
    SStatsRecords records;
    records.leastMoves = {1, 3, 5};
    records.fastestTime = {2, 4, 6};
    records.movesName = {"m0", "m1", "m2"};
    records.timeName = {"t0", "t1", "t2"};

    const QByteArray expected = Hex("01000000 02000000 03000000 04000000 05000000 06000000"
                                    "FFFEFF02 6D003000  FFFEFF02 6D003100  FFFEFF02 6D003200"
                                    "FFFEFF02 74003000  FFFEFF02 74003100  FFFEFF02 74003200");
    EXPECT_EQ(CStatsCodec::Encode(records).toHex(' '), expected.toHex(' '));
}

TEST(StatsCodecBytes, IntegersAreSignedLittleEndian)
{
    SStatsRecords records = DefaultStatsRecords();
    records.leastMoves = {-1, INT_MIN, INT_MAX};
    records.fastestTime = {0, 0x12345678, -2};

    EXPECT_EQ(CStatsCodec::Encode(records).left(24).toHex(' '),
              Hex("FFFFFFFF 00000000 00000080 78563412 FFFFFF7F FEFFFFFF").toHex(' '));
}

struct SPrefixCase
{
    qsizetype nUnits;
    const char* prefixHex; // what follows the marker FF FE FF
};

static void PrintTo(const SPrefixCase& param, std::ostream* os)
{
    *os << param.nUnits << " units";
}

class StatsCodecLengthPrefix : public ::testing::TestWithParam<SPrefixCase>
{
};

TEST_P(StatsCodecLengthPrefix, WrittenInItsFormAndReadBack)
{
    const SPrefixCase& param = GetParam();
    // Units above 0xFF show that the high byte of each unit is kept.
    const QString strName = Repeated(QChar(0x0141), param.nUnits);
    const QByteArray prefix = Hex("FFFEFF") + Hex(param.prefixHex);

    const QByteArray bytes = CStatsCodec::EncodeName(strName);
    ASSERT_EQ(bytes.size(), prefix.size() + 2 * param.nUnits);
    EXPECT_EQ(bytes.left(prefix.size()).toHex(' '), prefix.toHex(' '));
    if (param.nUnits > 0) {
        EXPECT_EQ(bytes.mid(prefix.size(), 2).toHex(' '), Hex("4101").toHex(' '));
    }
    EXPECT_EQ(DecodeLastName(bytes), strName);
}

INSTANTIATE_TEST_SUITE_P(AllForms, StatsCodecLengthPrefix,
    ::testing::Values(SPrefixCase{0, "00"},
                      SPrefixCase{9, "09"},
                      SPrefixCase{254, "FE"},
                      SPrefixCase{255, "FF FF00"},
                      SPrefixCase{300, "FF 2C01"},
                      SPrefixCase{0xFFFD, "FF FDFF"},
                      SPrefixCase{0xFFFE, "FF FFFF FEFF0000"},
                      SPrefixCase{70000, "FF FFFF 70110100"}));

TEST(StatsCodecBytes, CharactersOutsideTheBasicPlaneCountTwoUnitsEach)
{
    // U+1D11E MUSICAL SYMBOL G CLEF is the surrogate pair D834 DD1E.
    const QString strName = QStringLiteral("a\U0001D11Eb\U0001F600");
    EXPECT_EQ(CStatsCodec::EncodeName(strName).toHex(' '),
              Hex("FFFEFF06 6100 34D8 1EDD 6200 3DD8 00DE").toHex(' '));
    EXPECT_EQ(DecodeLastName(CStatsCodec::EncodeName(strName)), strName);
}

TEST(StatsCodecBytes, EveryFieldSurvivesARoundTrip)
{
    SStatsRecords records;
    records.leastMoves = {17, -3, INT_MAX};
    records.fastestTime = {0, INT_MIN, 86400};
    records.movesName = {"Åsa", "", Repeated('x', 300)};
    records.timeName = {QStringLiteral("\U0001F600 grin"), QString(QChar(0xD800)) + "lone", "Zoë"};

    const std::optional<SStatsRecords> decoded = CStatsCodec::Decode(CStatsCodec::Encode(records));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->leastMoves, records.leastMoves);
    EXPECT_EQ(decoded->fastestTime, records.fastestTime);
    EXPECT_EQ(decoded->movesName, records.movesName);
    EXPECT_EQ(decoded->timeName, records.timeName);
}

// ---- Files from the handheld: names without the wide marker --------------

TEST(StatsCodecLegacy, ShortEightBitNameReadsAsLatin1)
{
    EXPECT_EQ(DecodeLastName(Hex("04 4A6F73E9")), QStringLiteral("José"));
    EXPECT_EQ(DecodeLastName(Hex("00")), QString());
}

TEST(StatsCodecLegacy, SixteenBitLengthEightBitNameReadsAsLatin1)
{
    const QByteArray bytes = Hex("FF 2C01") + QByteArray(300, '\xE9');
    EXPECT_EQ(DecodeLastName(bytes), Repeated(QChar(0xE9), 300));
}

TEST(StatsCodecLegacy, ThirtyTwoBitLengthEightBitNameReadsAsLatin1)
{
    // 0xFFFE eight-bit characters cannot use the 16-bit form: that value is
    // the wide marker.
    const QByteArray bytes = Hex("FF FFFF FEFF0000") + QByteArray(0xFFFE, 'z');
    EXPECT_EQ(DecodeLastName(bytes), Repeated('z', 0xFFFE));
}

TEST(StatsCodecLegacy, EightBitAndWideNamesMixInOneFile)
{
    const QByteArray bytes = QByteArray(24, '\0') + Hex("03 416E6E") + Hex("FFFEFF02 42006F00")
        + Hex("00") + Hex("FF 0300 436172") + Hex("FFFEFF00") + Hex("02 C4D6");

    const std::optional<SStatsRecords> records = CStatsCodec::Decode(bytes);
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(records->movesName, (std::array<QString, 3>{"Ann", "Bo", ""}));
    EXPECT_EQ(records->timeName, (std::array<QString, 3>{"Car", "", QStringLiteral("ÄÖ")}));
}

// ---- Damaged input -------------------------------------------------------

TEST(StatsCodecFaults, TruncationsAreRejected)
{
    // A name in each prefix form, the 32-bit one last.
    SStatsRecords records = DefaultStatsRecords();
    records.movesName[1] = Repeated('q', 300);
    records.timeName[2] = Repeated('r', 0x10000);
    const QByteArray bytes = CStatsCodec::Encode(records);
    ASSERT_TRUE(CStatsCodec::Decode(bytes).has_value());

    // Every cut through the integers, names and prefixes and a few units into
    // the last name, then the last few before the end: the cuts in between
    // all fail on the same length check.
    const qsizetype nLastUnitsAt = bytes.size() - 2 * 0x10000;
    std::vector<qsizetype> cuts;
    for (qsizetype n = 0; n < nLastUnitsAt + 8; ++n)
        cuts.push_back(n);
    for (qsizetype n = bytes.size() - 8; n < bytes.size(); ++n)
        cuts.push_back(n);

    for (const qsizetype n : cuts) {
        ASSERT_FALSE(CStatsCodec::Decode(bytes.left(n)).has_value()) << "length " << n;
    }
}

TEST(StatsCodecFaults, LengthOneUnitPastTheEndIsRejected)
{
    // Each prefix form claims one character more than is there.
    EXPECT_FALSE(DecodeLastName(Hex("FFFEFF0A") + QByteArray(18, 'a')).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("FFFEFFFF 2D01") + QByteArray(600, 'a')).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("FFFEFFFF FFFF FFFF0000") + QByteArray(2 * 0xFFFE, 'a')).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("05") + QByteArray(4, 'a')).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("FF 2D01") + QByteArray(300, 'a')).has_value());
}

TEST(StatsCodecFaults, HugeLengthPrefixesAreRejected)
{
    EXPECT_FALSE(DecodeLastName(Hex("FFFEFF FFFFFF FFFFFFFF")).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("FFFEFF FFFFFF FFFFFF7F") + QByteArray(64, 'a')).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("FF FFFF FFFFFFFF")).has_value());
    EXPECT_FALSE(DecodeLastName(Hex("FFFEFF FFFEFF")).has_value());
}

TEST(StatsCodecFaults, BytesAfterTheSixthNameAreIgnored)
{
    // The handheld's reader stopped after the sixth name, so a file with
    // anything after it still held valid records there.
    const std::optional<SStatsRecords> records = CStatsCodec::Decode(DefaultStatsFile() + "trailing");
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(*records, DefaultStatsRecords());
}
