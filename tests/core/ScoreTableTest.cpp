#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"
#include "StatsFixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>
#include <csignal>
#include <memory>
#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

static void PrintTo(const SStatsRecords& records, std::ostream* os)
{
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        *os << "[" << records.leastMoves[level] << " " << records.movesName[level].toStdString() << " / "
            << records.fastestTime[level] << " " << records.timeName[level].toStdString() << "]";
    }
}

namespace {

// Distinct in every field, so a value stored in the wrong place shows.
SStatsRecords SampleRecords()
{
    SStatsRecords records;
    records.leastMoves = {31, 118, INT_MAX};
    records.fastestTime = {-7, 254, 40000};
    records.movesName = {"Ann", "", QString(300, QChar(0x0416))};
    records.timeName = {QStringLiteral("Bo \U0001F600"), "Cé", "Dag"};
    return records;
}

// What the table holds, read through its getters.
SStatsRecords Snapshot(const CScoreTable& table)
{
    SStatsRecords records;
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        EXPECT_TRUE(table.GetMovesRecord(level, records.leastMoves[level], records.movesName[level]));
        EXPECT_TRUE(table.GetTimeRecord(level, records.fastestTime[level], records.timeName[level]));
    }
    return records;
}

void Store(CScoreTable& table, const SStatsRecords& records)
{
    for (int level = 0; level < SStatsRecords::kLevels; ++level) {
        table.SetMovesRecord(level, records.leastMoves[level], records.movesName[level]);
        table.SetTimeRecord(level, records.fastestTime[level], records.timeName[level]);
    }
}

QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << strPath.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Makes writes past a size fail as a full medium would, even for root.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t nBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = nBytes;
        m_bActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~CFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    bool IsActive() const { return m_bActive; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_bActive = false;
};

class ScoreTableTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString PathIn(const QString& strRelative) const { return m_dir.filePath(strRelative); }

    QTemporaryDir m_dir;
    const QString m_strPath = m_dir.filePath("Stats.bin");
};

} // namespace

// ---- Records in memory ---------------------------------------------------

TEST_F(ScoreTableTest, FirstRunHoldsTheDefaults)
{
    CScoreTable table(m_strPath);
    EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
}

TEST_F(ScoreTableTest, SettersTouchOnlyTheirLevelAndKind)
{
    CScoreTable table(m_strPath);
    table.SetMovesRecord(1, 42, "Moves");
    table.SetTimeRecord(2, 61, "Time");

    SStatsRecords expected = DefaultStatsRecords();
    expected.leastMoves[1] = 42;
    expected.movesName[1] = "Moves";
    expected.fastestTime[2] = 61;
    expected.timeName[2] = "Time";
    EXPECT_EQ(Snapshot(table), expected);
}

TEST_F(ScoreTableTest, LevelsOutsideTheTableAreRefused)
{
    CScoreTable table(m_strPath);
    Store(table, SampleRecords());

    for (const int level : {-1, 3, INT_MIN, INT_MAX}) {
        int nValue = -12345;
        QString strName = "untouched";
        EXPECT_FALSE(table.GetMovesRecord(level, nValue, strName)) << level;
        EXPECT_FALSE(table.GetTimeRecord(level, nValue, strName)) << level;
        EXPECT_EQ(nValue, -12345);
        EXPECT_EQ(strName, "untouched");

        table.SetMovesRecord(level, 1, "intruder");
        table.SetTimeRecord(level, 1, "intruder");
        EXPECT_EQ(Snapshot(table), SampleRecords()) << level;
    }
}

TEST_F(ScoreTableTest, SetDefaultsResetsEveryRecord)
{
    CScoreTable table(m_strPath);
    Store(table, SampleRecords());
    table.SetDefaults();
    EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
}

// ---- The file between runs ------------------------------------------------

TEST_F(ScoreTableTest, ExitWithDefaultsWritesThe156ByteFile)
{
    { CScoreTable table(m_strPath); }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), DefaultStatsFile().toHex(' '));
}

TEST_F(ScoreTableTest, RecordsOfOneRunLoadInTheNext)
{
    {
        CScoreTable table(m_strPath);
        Store(table, SampleRecords());
    }
    CScoreTable nextRun(m_strPath);
    EXPECT_EQ(Snapshot(nextRun), SampleRecords());
}

TEST_F(ScoreTableTest, ResetThenExitLeavesTheDefaultFile)
{
    WriteFile(m_strPath, CStatsCodec::Encode(SampleRecords()));
    {
        CScoreTable table(m_strPath);
        table.SetDefaults();
    }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), DefaultStatsFile().toHex(' '));
}

TEST_F(ScoreTableTest, ExitLeavesAFileThatAlreadyHoldsTheRecords)
{
    const QByteArray bytes = CStatsCodec::Encode(SampleRecords());
    WriteFile(m_strPath, bytes);
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(m_strPath).constData(), &before), 0);
    { CScoreTable table(m_strPath); }
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(m_strPath).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";

    // Anything after the sixth name is not the table's: written anew.
    WriteFile(m_strPath, bytes + "x");
    { CScoreTable table(m_strPath); }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), bytes.toHex(' '));
}

TEST_F(ScoreTableTest, HandheldFileIsRewrittenWithWideNames)
{
    // Eight-bit names, as the handheld may have left them, in both length forms.
    const QByteArray legacy = QByteArray::fromHex("0F270000 0F0E0000").repeated(3)
        + QByteArray::fromHex("04 4A6F73E9") + QByteArray::fromHex("FF 0300 416E6E")
        + QByteArray::fromHex("00").repeated(4);
    WriteFile(m_strPath, legacy);
    { CScoreTable table(m_strPath); }

    const QByteArray expected = QByteArray::fromHex("0F270000 0F0E0000").repeated(3)
        + QByteArray::fromHex("FFFEFF04 4A006F007300E900") + QByteArray::fromHex("FFFEFF03 41006E006E00")
        + QByteArray::fromHex("FFFEFF00").repeated(4);
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), expected.toHex(' '));
}

TEST_F(ScoreTableTest, DefaultPathIsStatsBinInTheDataFolder)
{
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    const QString savedOrg = QCoreApplication::organizationName();
    const QString savedApp = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit());
    QCoreApplication::setOrganizationName("Brevik");
    QCoreApplication::setApplicationName("Slydra");

    const QString strPath = CScoreTable::DefaultPath();

    QCoreApplication::setOrganizationName(savedOrg);
    QCoreApplication::setApplicationName(savedApp);
    if (savedXdg.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedXdg);

    EXPECT_EQ(strPath, PathIn("Brevik/Slydra/Stats.bin"));
}

// ---- Faults: every one loads defaults or keeps the previous file, quietly --

TEST_F(ScoreTableTest, MissingFolderIsCreatedAtExit)
{
    const QString strPath = PathIn("Brevik/Slydra/Stats.bin");
    {
        CScoreTable table(strPath);
        EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
    }
    EXPECT_EQ(ReadFile(strPath).toHex(' '), DefaultStatsFile().toHex(' '));
}

TEST_F(ScoreTableTest, EveryTruncatedFileLoadsAllDefaults)
{
    CScoreTable table(m_strPath);
    const QByteArray whole = DefaultStatsFile();
    for (qsizetype n = 0; n < whole.size(); ++n) {
        // Start from other values so a load that stops part way shows.
        Store(table, SampleRecords());
        WriteFile(m_strPath, whole.left(n));
        table.LoadStats();
        ASSERT_EQ(Snapshot(table), DefaultStatsRecords()) << "file of " << n << " bytes";
    }
}

TEST_F(ScoreTableTest, HugeLengthPrefixLoadsAllDefaults)
{
    // Valid integers, then a first name claiming 0x7FFFFFFF code units.
    WriteFile(m_strPath, QByteArray::fromHex("05000000").repeated(6)
                             + QByteArray::fromHex("FFFEFF FFFFFF FFFFFF7F") + QByteArray(100, 'a'));
    CScoreTable table(m_strPath);
    EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
}

TEST_F(ScoreTableTest, DirectoryInPlaceOfTheFile)
{
    ASSERT_TRUE(QDir().mkpath(m_strPath));
    {
        CScoreTable table(m_strPath);
        EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
        table.SetMovesRecord(0, 5, "lost");
    }
    EXPECT_TRUE(QFileInfo(m_strPath).isDir());
}

TEST_F(ScoreTableTest, FolderThatIsARegularFile)
{
    const QString strBlocker = PathIn("Slydra");
    WriteFile(strBlocker, "not a folder");
    {
        CScoreTable table(strBlocker + "/Stats.bin");
        EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
    }
    EXPECT_EQ(ReadFile(strBlocker), QByteArray("not a folder"));
}

TEST_F(ScoreTableTest, ReadOnlyFileKeepsThePreviousRecords)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes through permission bits; the failed write is covered by the size-limit test";

    const QByteArray previous = CStatsCodec::Encode(SampleRecords());
    WriteFile(m_strPath, previous);
    ASSERT_TRUE(QFile::setPermissions(m_strPath, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        CScoreTable table(m_strPath);
        EXPECT_EQ(Snapshot(table), SampleRecords());
        table.SetDefaults();
    }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), previous.toHex(' '));
}

TEST_F(ScoreTableTest, WriteFailingPartWayKeepsThePreviousFileWhole)
{
    const QByteArray previous = CStatsCodec::Encode(SampleRecords());
    WriteFile(m_strPath, previous);
    auto table = std::make_unique<CScoreTable>(m_strPath);
    table->SetDefaults();
    {
        // The 156-byte default file cannot fit under 64 bytes.
        CFileSizeLimit limit(64);
        ASSERT_TRUE(limit.IsActive());
        table.reset();
    }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), previous.toHex(' '));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"Stats.bin"});
}
