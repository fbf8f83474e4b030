#include "options/Settings.h"
#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <sys/stat.h>

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

// fromHex skips the spaces, which keep the byte groups readable.
QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

const QString kAnon = QStringLiteral("Anonymous");
const SStatsRecords kDefaults{{9999, 9999, 9999}, {3599, 3599, 3599}, {kAnon, kAnon, kAnon}, {kAnon, kAnon, kAnon}};
const QByteArray kDefaultFile = Hex("0F270000 0F0E0000 0F270000 0F0E0000 0F270000 0F0E0000")
                                + Hex("FFFEFF09 41006E006F006E0079006D006F0075007300").repeated(6);
// Signed little-endian integers interleaved by level, then the moves names, then the time names.
const SStatsRecords kSample{{-1, INT_MIN, INT_MAX}, {0x12345678, 0, -2}, {"m0", "m1", "m2"}, {"t0", "t1", "t2"}};
const QByteArray kSampleFile = Hex("FFFFFFFF 78563412 00000080 00000000 FFFFFF7F FEFFFFFF  FFFEFF02 6D003000"
                                   "FFFEFF02 6D003100  FFFEFF02 6D003200  FFFEFF02 74003000  FFFEFF02 74003100"
                                   "FFFEFF02 74003200");

// The bytes as the sixth name of a file whose first five names are empty, so
// a length that runs past them runs past the end of the file.
std::optional<QString> SixthName(const QByteArray& name) {
    const auto records = CStatsCodec::Decode(QByteArray(24, '\0') + Hex("FFFEFF00").repeated(5) + name);
    return records ? std::optional(records->timeName[2]) : std::nullopt;
}

SStatsRecords Held(const CScoreTable& table) {
    SStatsRecords records;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        table.GetMovesRecord(level, records.leastMoves[level], records.movesName[level]);
        table.GetTimeRecord(level, records.fastestTime[level], records.timeName[level]);
    }
    return records;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ino_t Inode(const QString& path) {
    struct stat st {};
    lstat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

} // namespace

TEST(StatsCodec, TheDefaultsAndASampleInTheirBytesAndBack) {
    EXPECT_EQ(CStatsCodec::Encode(kDefaults).toHex(' '), kDefaultFile.toHex(' '));
    EXPECT_EQ(CStatsCodec::Encode(kSample).toHex(' '), kSampleFile.toHex(' '));
    EXPECT_TRUE(CStatsCodec::Decode(kDefaultFile) == kDefaults);
    EXPECT_TRUE(CStatsCodec::Decode(kSampleFile + "\x05trailing") == kSample);
    for (qsizetype n = 0; n < kSampleFile.size(); ++n)
        EXPECT_FALSE(CStatsCodec::Decode(kSampleFile.left(n))) << "cut to " << n << " bytes";
}

// Names are written wide with the shortest length prefix; units above 0xFF
// show that each unit's high byte is kept.
TEST(StatsCodec, NamesWrittenInEachLengthFormAndReadBack) {
    const std::pair<int, const char*> table[] = {
        {0, "00"},           {1, "01"},           {254, "FE"},
        {255, "FF FF00"},    {300, "FF 2C01"},    {0xFFFD, "FF FDFF"},
        {0xFFFE, "FF FFFF FEFF0000"},             {70000, "FF FFFF 70110100"},
    };
    for (const auto& [nUnits, prefix] : table) {
        const QByteArray bytes = Hex("FFFEFF") + Hex(prefix) + Hex("4101").repeated(nUnits);
        const QString name(nUnits, QChar(0x0141));
        EXPECT_TRUE(CStatsCodec::EncodeName(name) == bytes) << nUnits;
        EXPECT_TRUE(SixthName(bytes) == name) << nUnits;
    }
}

// Names without the wide marker hold Latin-1 bytes; a length that runs past
// the end of the file, or a prefix cut short, refuses the whole file.
TEST(StatsCodec, NamesReadInEveryFormOrNotAtAll) {
    const std::tuple<const char*, int, std::optional<QString>> table[] = {
        {"04 4A6F73E9", 0, QStringLiteral("Jos\u00e9")},
        {"FF 2C01", 300, QString(300, QChar(0xE9))},
        {"FF FFFF FEFF0000", 0xFFFE, QString(0xFFFE, QChar(0xE9))},
        {"FFFEFF FFFFFF 02000000 41004200", 0, QStringLiteral("AB")},
        {"05", 4, std::nullopt},           {"FF 2D01", 300, std::nullopt},    {"FFFEFF 0A", 18, std::nullopt},
        {"FFFEFF FF2D01", 600, std::nullopt},                                 {"FFFEFF FFFEFF", 0, std::nullopt},
        {"FFFEFF FFFFFF FFFF0000", 2 * 0xFFFE, std::nullopt},                 {"FFFEFF FF2C", 0, std::nullopt},
        {"FFFEFF FFFFFF FFFFFFFF", 64, std::nullopt},                         {"FFFE", 0, std::nullopt},
        {"FF FFFF FFFFFFFF", 64, std::nullopt},                               {"FFFEFF FFFFFF 020000", 0, std::nullopt},
    };
    for (const auto& [hex, nE9, name] : table)
        EXPECT_TRUE(SixthName(Hex(hex) + QByteArray(nE9, '\xE9')) == name) << hex;
}

// A first run writes the defaults into a new folder; a level outside the
// table is refused and the outputs left alone.
TEST(ScoreTable, DefaultsOnAFirstRunAndOnlyThreeLevels) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Brevik/Slydra/Stats.bin");
    CScoreTable table(path);
    table.SetMovesRecord(3, 1, "intruder");
    table.SetTimeRecord(3, 1, "intruder");
    EXPECT_TRUE(table.SaveStats());
    EXPECT_EQ(Read(path).toHex(' '), kDefaultFile.toHex(' '));
    int value = -5;
    QString name = "untouched";
    EXPECT_FALSE(table.GetMovesRecord(3, value, name));
    EXPECT_FALSE(table.GetTimeRecord(3, value, name));
    EXPECT_EQ(QString::number(value) + ' ' + name, "-5 untouched");
}

// Names of 70,000 characters load, in a file of up to 1 MiB; a sparse 40 GB file is no table and is not read
// whole. A file that holds the table already is left alone, one with more is written anew.
TEST(ScoreTable, TheLargestTablesLoadAHugeSparseFileDoesNotAndTheSaveWritesOnlyWhatDiffers) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Stats.bin");
    SStatsRecords large = kSample;
    for (int level = 0; level < SStatsRecords::kLevels; ++level)
        large.movesName[level] = large.timeName[level] = QString(70000, QChar('a' + level));
    ASSERT_TRUE(Write(path, CStatsCodec::Encode(large)));
    const ino_t inode = Inode(path);
    EXPECT_TRUE(Held(CScoreTable(path)) == large);
    EXPECT_EQ(Inode(path), inode) << "replaced";
    // Read up to 1 MiB, bytes after the table included, and no further.
    ASSERT_TRUE(Write(path, CStatsCodec::Encode(large).leftJustified(1 << 20, 'x')));
    EXPECT_TRUE(Held(CScoreTable(path)) == large);
    ASSERT_TRUE(Write(path, CStatsCodec::Encode(large).leftJustified((1 << 20) + 1, 'x')));
    EXPECT_TRUE(Held(CScoreTable(path)) == kDefaults);
    ASSERT_TRUE(QFile(path).resize(40LL << 30));
    EXPECT_TRUE(Held(CScoreTable(path)) == kDefaults);
    EXPECT_EQ(Read(path).toHex(' '), kDefaultFile.toHex(' '));
    ASSERT_TRUE(Write(path, kSampleFile + "x"));
    CScoreTable(path).SaveStats();
    EXPECT_EQ(Read(path).toHex(' '), kSampleFile.toHex(' '));
}

// The settings file is $XDG_CONFIG_HOME/Brevik/Slydra.conf, here in a folder
// of the test's own, named before the store is first used.
TEST(Settings, DefaultsThenWhatIsStoredUnderTheKnownNames) {
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication::setOrganizationName("Brevik");
    QCoreApplication::setApplicationName("Slydra");
    const auto options = [] {
        return QStringLiteral("%1 '%2' %3 %4 %5").arg(CSettings::GetDims()).arg(CSettings::GetLocation())
            .arg(CSettings::GetUsePic()).arg(CSettings::GetUseAnim()).arg(CSettings::GetFitPic());
    };
    QSettings stored(config.filePath("Brevik/Slydra.conf"), QSettings::IniFormat);
    const auto inFile = [&stored] {
        stored.sync();
        return stored.value("Settings/Dims").toString() + stored.value("Settings/UsePic").toString()
               + stored.value("Settings/UseAnim").toString() + stored.value("Settings/FitPic").toString()
               + stored.value("Window/Maximized").toString();
    };
    EXPECT_EQ(options(), "4 '' 1 1 1");
    CSettings::PutDims(5);
    CSettings::PutLocation("/p\u00e9.jpg");
    for (const bool bOn : {false, true}) {
        CSettings::PutUsePic(bOn);
        CSettings::PutUseAnim(bOn);
        CSettings::PutFitPic(bOn);
        CSettings::PutWindow(QSize(300, 400), bOn);
        EXPECT_EQ(inFile() + options(), bOn ? "511115 '/p\u00e9.jpg' 1 1 1" : "500005 '/p\u00e9.jpg' 0 0 0");
    }
    // A FIFO where the file belongs would block every read: the options live in memory instead.
    QFile::remove(config.filePath("Brevik/Slydra.conf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(config.filePath("Brevik/Slydra.conf")).constData(), 0600), 0);
    CSettings::PutDims(3);
    EXPECT_EQ(options(), "3 '' 1 1 1");
    EXPECT_FALSE(QFileInfo(config.filePath("Brevik/Slydra.conf")).isFile());
}
