#include "StatsFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// fromHex skips the spaces, which keep the byte groups readable.
QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A whole file whose last name is given as raw bytes and whose other five
// names are empty, so one name's bytes go through the real decoder and a
// length that overruns it runs past the true end of the input.
std::optional<QString> DecodeLastName(const QByteArray& nameBytes)
{
    const std::optional<SStatsRecords> records =
        CStatsCodec::Decode(QByteArray(24, '\0') + Hex("FFFEFF00").repeated(5) + nameBytes);
    return records ? std::optional<QString>(records->timeName[2]) : std::nullopt;
}

} // namespace

// ---- Bytes written (the defaults' 156 bytes are in ScoreTableTest) ----------

TEST(StatsCodecBytes, SignedLittleEndianIntegersInterleavedByLevelThenTheNamesGrouped)
{
    SStatsRecords records;
    records.leastMoves = {-1, INT_MIN, INT_MAX};
    records.fastestTime = {0x12345678, 0, -2};
    records.movesName = {"m0", "m1", "m2"};
    records.timeName = {"t0", "t1", "t2"};

    const QByteArray expected = Hex("FFFFFFFF 78563412 00000080 00000000 FFFFFF7F FEFFFFFF"
                                    "FFFEFF02 6D003000  FFFEFF02 6D003100  FFFEFF02 6D003200"
                                    "FFFEFF02 74003000  FFFEFF02 74003100  FFFEFF02 74003200");
    EXPECT_EQ(CStatsCodec::Encode(records).toHex(' '), expected.toHex(' '));
}

TEST(StatsCodecBytes, EveryFieldSurvivesARoundTrip)
{
    EXPECT_EQ(CStatsCodec::Decode(CStatsCodec::Encode(SampleRecords())), SampleRecords());
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
    const QString strName(param.nUnits, QChar(0x0141));
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

// ---- Files from the handheld: names without the wide marker, read as Latin-1.
// Such names mixed with wide ones, and bytes after the sixth name, are among
// the valid files StatsMutationTest starts from.

TEST(StatsCodecLegacy, EightBitNamesInEveryLengthForm)
{
    EXPECT_EQ(DecodeLastName(Hex("04 4A6F73E9")), QStringLiteral("Jos\u00e9"));
    EXPECT_EQ(DecodeLastName(Hex("00")), QString());
    EXPECT_EQ(DecodeLastName(Hex("FF 2C01") + QByteArray(300, '\xE9')), QString(300, QChar(0xE9)));
    // 0xFFFE eight-bit characters cannot use the 16-bit form: that value is
    // the wide marker.
    EXPECT_EQ(DecodeLastName(Hex("FF FFFF FEFF0000") + QByteArray(0xFFFE, 'z')), QString(0xFFFE, QChar('z')));
}

// ---- Damaged input -------------------------------------------------------

TEST(StatsCodecFaults, TruncationsAreRejected)
{
    // A name in each prefix form, the 32-bit one last.
    SStatsRecords records = DefaultStatsRecords();
    records.movesName[1] = QString(300, QChar('q'));
    records.timeName[2] = QString(0x10000, QChar('r'));
    const QByteArray bytes = CStatsCodec::Encode(records);
    ASSERT_TRUE(CStatsCodec::Decode(bytes).has_value());

    // Every cut through the integers, names and prefixes and a few units into
    // the last name, then the last few before the end: the cuts in between
    // all fail on the same length check.
    const qsizetype nLastUnitsAt = bytes.size() - 2 * 0x10000;
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        if (n == nLastUnitsAt + 8)
            n = bytes.size() - 8;
        ASSERT_FALSE(CStatsCodec::Decode(bytes.left(n)).has_value()) << "length " << n;
    }
}

TEST(StatsCodecFaults, LengthsPastTheEndAreRejected)
{
    const QByteArray cases[] = {
        // Each prefix form claiming one character more than is there.
        Hex("FFFEFF0A") + QByteArray(18, 'a'),
        Hex("FFFEFFFF 2D01") + QByteArray(600, 'a'),
        Hex("FFFEFFFF FFFF FFFF0000") + QByteArray(2 * 0xFFFE, 'a'),
        Hex("05") + QByteArray(4, 'a'),
        Hex("FF 2D01") + QByteArray(300, 'a'),
        // Huge lengths.
        Hex("FFFEFF FFFFFF FFFFFFFF"),
        Hex("FFFEFF FFFFFF FFFFFF7F") + QByteArray(64, 'a'),
        Hex("FF FFFF FFFFFFFF"),
        Hex("FFFEFF FFFEFF"),
    };
    for (const QByteArray& name : cases)
        EXPECT_FALSE(DecodeLastName(name).has_value()) << name.left(12).toHex(' ').constData();
}
