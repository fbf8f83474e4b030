// Seeded mutations of valid stats files: every input either decodes to the
// records it spells or to nothing (the table then loads its defaults), and no
// decode allocates more than twice the input's size plus a little.
#include "AllocationCount.h"
#include "tests/core/StatsFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr int kMutations = 200000;
// Six name strings may each cost a block header and their terminator.
constexpr std::size_t kAllocationSlack = 1024;

void PutLittle(QByteArray& out, quint32 value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// ---- the format read once more, straight from its description ---------------

// Reads the stats file as its format describes it and writes back what the
// encoder would write for the same records: each name with the wide marker
// and the shortest length prefix, 8-bit names widened unit by unit, and
// nothing after the sixth name. Empty when the bytes run out first.
class CCanonicalForm
{
public:
    static std::optional<QByteArray> Of(const QByteArray& in)
    {
        if (in.size() < 24)
            return std::nullopt;
        CCanonicalForm reader(in);
        QByteArray out = in.left(24);
        for (int name = 0; name < 6; ++name) {
            if (!reader.Name(out))
                return std::nullopt;
        }
        return out;
    }

private:
    explicit CCanonicalForm(const QByteArray& in) : m_in(in) {}

    bool Take(int nBytes, quint32& value)
    {
        if (m_in.size() - m_nAt < nBytes)
            return false;
        value = 0;
        for (int i = 0; i < nBytes; ++i)
            value |= static_cast<quint32>(static_cast<unsigned char>(m_in[m_nAt + i])) << (8 * i);
        m_nAt += nBytes;
        return true;
    }

    // A length: one byte below FF; else FF and 16 bits, where FFFE marks a
    // wide name whose length follows afresh, and FFFF 32 bits more.
    bool Length(quint32& length, bool& bWide)
    {
        bWide = false;
        for (;;) {
            quint32 word = 0;
            if (!Take(1, length))
                return false;
            if (length < 0xFF)
                return true;
            if (!Take(2, word))
                return false;
            if (word == 0xFFFE && !bWide) {
                bWide = true;
                continue;
            }
            length = word;
            return word < 0xFFFF || Take(4, length);
        }
    }

    bool Name(QByteArray& out)
    {
        quint32 length = 0;
        bool bWide = false;
        if (!Length(length, bWide))
            return false;
        const qint64 nBytes = static_cast<qint64>(length) * (bWide ? 2 : 1);
        if (m_in.size() - m_nAt < nBytes)
            return false;

        out.append("\xFF\xFE\xFF", 3);
        if (length < 0xFF) {
            PutLittle(out, length, 1);
        } else if (length < 0xFFFE) {
            out.append('\xFF');
            PutLittle(out, length, 2);
        } else {
            out.append("\xFF\xFF\xFF", 3);
            PutLittle(out, length, 4);
        }
        for (qint64 i = 0; i < nBytes; ++i) {
            out.append(m_in[m_nAt + i]);
            if (!bWide)
                out.append('\0');
        }
        m_nAt += nBytes;
        return true;
    }

    const QByteArray& m_in;
    qsizetype m_nAt = 24;
};

// ---- valid files to start from ----------------------------------------------

struct SBase
{
    QByteArray bytes;
    std::vector<qsizetype> nameStarts;  // where each of the six names begins
};

SBase Canonical(const SStatsRecords& records)
{
    SBase base{CStatsCodec::Encode(records), {}};
    qsizetype at = 24;
    for (const auto* names : {&records.movesName, &records.timeName}) {
        for (const QString& name : *names) {
            base.nameStarts.push_back(at);
            at += CStatsCodec::EncodeName(name).size();
        }
    }
    return base;
}

SStatsRecords Records(const std::array<QString, 6>& names)
{
    SStatsRecords records;
    records.leastMoves = {9999, 31, -7};
    records.fastestTime = {3599, 0, 2147483647};
    records.movesName = {names[0], names[1], names[2]};
    records.timeName = {names[3], names[4], names[5]};
    return records;
}

// A file written with other prefixes than ours: 8-bit names with short and
// 16-bit lengths, a wide name with a 16-bit and one with a 32-bit length.
SBase Foreign()
{
    SBase base{QByteArray::fromHex("0F2700000F0E00001F000000000000000200000003000000"), {}};
    const QByteArray names[] = {
        QByteArray::fromHex("05") + "Ada L",
        QByteArray::fromHex("FF0400") + "Gr\xe9" "a",
        QByteArray::fromHex("00"),
        QByteArray::fromHex("FFFEFFFF0300") + QByteArray::fromHex("4C0069006E00"),
        QByteArray::fromHex("FFFEFFFFFFFF02000000") + QByteArray::fromHex("3D00D800"),
        QByteArray::fromHex("FFFFFF01000000") + "Z",
    };
    for (const QByteArray& name : names) {
        base.nameStarts.push_back(base.bytes.size());
        base.bytes.append(name);
    }
    return base;
}

std::vector<SBase> Bases()
{
    const QString anon = CScoreTable::DefaultName();
    std::vector<SBase> bases;
    bases.push_back(Canonical(Records({anon, anon, anon, anon, anon, anon})));
    bases.push_back(Canonical(Records({QString(), QStringLiteral("A"), QString(254, QChar('b')),
                                       QString(255, QChar('c')), QString(300, QChar(0x263A)),
                                       QStringLiteral("\u00e9t\u00e9 \U0001F600")})));
    // A lone surrogate is kept as the unit it is.
    bases.push_back(Canonical(Records({QString(QChar(0xD800)), QString(QChar(0xFFFF)), QString(QChar(0)),
                                       QStringLiteral("x"), QString(), QString()})));
    bases.push_back(Foreign());
    SBase trailing = bases[0];
    trailing.bytes.append("trailing bytes are never read");
    bases.push_back(trailing);
    // The one base that needs the 32-bit length: a name of 65534 units.
    bases.push_back(Canonical(Records({QString(0xFFFE, QChar('h')), {}, {}, {}, {}, {}})));
    return bases;
}

// ---- mutations -------------------------------------------------------------

class CMutator
{
public:
    explicit CMutator(std::uint32_t nSeed) : m_random(nSeed) {}

    QByteArray Mutate(const SBase& base)
    {
        QByteArray bytes = base.bytes;
        const int nSteps = Pick(1, 3);
        for (int step = 0; step < nSteps; ++step)
            MutateOnce(bytes, base);
        return bytes;
    }

private:
    int Pick(int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(m_random); }
    qsizetype At(const QByteArray& bytes) { return bytes.isEmpty() ? 0 : Pick(0, static_cast<int>(bytes.size()) - 1); }

    QByteArray RandomBytes(int nCount)
    {
        QByteArray bytes;
        for (int i = 0; i < nCount; ++i)
            bytes.append(static_cast<char>(Pick(0, 255)));
        return bytes;
    }

    QByteArray HugePrefix()
    {
        static const quint32 kLengths[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x40000000u, 0x10000u, 0xFFFFu};
        const quint32 length = Pick(0, 1) ? kLengths[Pick(0, 5)] : static_cast<quint32>(m_random());
        QByteArray prefix = Pick(0, 1) ? QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF", 6) : QByteArray("\xFF\xFF\xFF", 3);
        PutLittle(prefix, length, 4);
        return prefix;
    }

    void MutateOnce(QByteArray& bytes, const SBase& base)
    {
        switch (Pick(0, 7)) {
        case 0: // flip one bit
            if (!bytes.isEmpty()) {
                const qsizetype at = At(bytes);
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << Pick(0, 7)));
            }
            break;
        case 1: // set a byte to a boundary value or anything
            if (!bytes.isEmpty()) {
                static const char kValues[] = {'\x00', '\xFF', '\xFE', '\x7F', '\x80', '\x01'};
                bytes[At(bytes)] = Pick(0, 1) ? kValues[Pick(0, 5)] : static_cast<char>(Pick(0, 255));
            }
            break;
        case 2: // cut short
            bytes.truncate(Pick(0, static_cast<int>(bytes.size())));
            break;
        case 3: // insert bytes
            bytes.insert(Pick(0, static_cast<int>(bytes.size())), RandomBytes(Pick(1, 16)));
            break;
        case 4: // remove bytes
            if (!bytes.isEmpty())
                bytes.remove(At(bytes), Pick(1, 16));
            break;
        case 5: // a huge length prefix where a name begins
        case 6: {
            const qsizetype at = base.nameStarts[static_cast<std::size_t>(Pick(0, 5))];
            if (at <= bytes.size())
                bytes.replace(at, Pick(0, 1) ? 0 : qMin<qsizetype>(7, bytes.size() - at), HugePrefix());
            break;
        }
        default: // a stretch copied over another place
            if (!bytes.isEmpty()) {
                const QByteArray chunk = bytes.mid(At(bytes), Pick(1, 32));
                bytes.replace(At(bytes), qMin<qsizetype>(chunk.size(), bytes.size()), chunk);
            }
            break;
        }
    }

    std::mt19937 m_random;
};

} // namespace

TEST(StatsMutation, AllocationCountSeesQtContainers)
{
    AllocationCount::Start();
    QByteArray bytes(100000, 'x');
    const AllocationCount::SCounts counts = AllocationCount::Stop();
    EXPECT_GE(counts.nBytes, 100000u);
    EXPECT_GE(counts.nLargest, 100000u);
    EXPECT_EQ(bytes.size(), 100000);
}

TEST(StatsMutation, TheReadingOfTheFormatAgreesOnTheBases)
{
    const std::vector<SBase> bases = Bases();
    for (const SBase& base : bases) {
        const std::optional<SStatsRecords> records = CStatsCodec::Decode(base.bytes);
        ASSERT_TRUE(records);
        EXPECT_EQ(CCanonicalForm::Of(base.bytes), CStatsCodec::Encode(*records));
    }
    EXPECT_EQ(bases.back().bytes.mid(24, 10).toHex(), QByteArray("fffefffffffffeff0000"));
}

// Every mutated input: the decoder refuses it exactly when the bytes run out
// before the sixth name ends; otherwise its records encode to the canonical
// form of the input (so an input already in our own form, trailing bytes
// aside, reads back byte for byte). The decode allocates at most twice the
// input's size plus kAllocationSlack, and every 500th input goes through a
// real score table, which holds the decoded records or the defaults.
TEST(StatsMutation, SeededMutationsDecodeAsWrittenOrNotAtAll)
{
    const std::vector<SBase> bases = Bases();
    CMutator mutator(20240601u);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strPath = dir.filePath(QStringLiteral("Stats.bin"));

    int nRefused = 0;
    int nAsWritten = 0;
    int nCanonicalised = 0;
    long long nMaxExcess = 0;
    std::size_t nMaxLargest = 0;
    for (int i = 0; i < kMutations; ++i) {
        // The last base, of 131 KB, every hundredth time.
        const SBase& base = bases[i % 100 == 99 ? 5 : static_cast<std::size_t>(i) % 5];
        const QByteArray input = mutator.Mutate(base);

        AllocationCount::Start();
        const std::optional<SStatsRecords> records = CStatsCodec::Decode(input);
        const AllocationCount::SCounts counts = AllocationCount::Stop();

        const std::size_t nBound = 2 * static_cast<std::size_t>(input.size()) + kAllocationSlack;
        ASSERT_LE(counts.nBytes, nBound) << "mutation " << i << ": " << input.left(64).toHex().constData();
        nMaxExcess = std::max(nMaxExcess, static_cast<long long>(counts.nBytes) - 2 * static_cast<long long>(input.size()));
        nMaxLargest = std::max(nMaxLargest, counts.nLargest);

        const std::optional<QByteArray> canonical = CCanonicalForm::Of(input);
        ASSERT_EQ(records.has_value(), canonical.has_value()) << "mutation " << i << ": " << input.left(64).toHex().constData();
        if (records) {
            const QByteArray encoded = CStatsCodec::Encode(*records);
            ASSERT_EQ(encoded, *canonical) << "mutation " << i;
            ASSERT_EQ(CStatsCodec::Decode(encoded), records) << "mutation " << i;
            if (input.startsWith(encoded))
                ++nAsWritten;
            else
                ++nCanonicalised;
        } else {
            ++nRefused;
        }

        if (i % 500 == 0) {
            ASSERT_TRUE(WriteFile(strPath, input));
            const CScoreTable table(strPath);
            EXPECT_EQ(Snapshot(table), records ? *records : DefaultStatsRecords()) << "mutation " << i;
        }
    }
    std::printf("%d mutations: %d read as written, %d read in another valid form, %d refused; "
                "a decode allocated at most %lld bytes beyond twice its input, largest single request %zu bytes\n",
                kMutations, nAsWritten, nCanonicalised, nRefused, nMaxExcess, nMaxLargest);
    EXPECT_GT(nAsWritten, kMutations / 20);
    EXPECT_GT(nCanonicalised, kMutations / 100);
    EXPECT_GT(nRefused, kMutations / 4);
}
