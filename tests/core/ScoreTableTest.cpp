#include "StatsFixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

// Read-only files and folders, full disks, kills during a save and stats
// files that are no regular file are tried in tst_stats_faults.
namespace {

class ScoreTableTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void Write(const QByteArray& bytes) { ASSERT_TRUE(WriteFile(m_strPath, bytes)); }

    QTemporaryDir m_dir;
    const QString m_strPath = m_dir.filePath("Stats.bin");
};

} // namespace

TEST_F(ScoreTableTest, FirstRunHoldsTheDefaultsAndWritesThe156ByteFileIntoANewFolder)
{
    const QString strPath = m_dir.filePath("Brevik/Slydra/Stats.bin");
    {
        CScoreTable table(strPath);
        EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
    }
    EXPECT_EQ(ReadFile(strPath).toHex(' '), DefaultStatsFile().toHex(' '));
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
    Write(CStatsCodec::Encode(SampleRecords()));
    {
        CScoreTable table(m_strPath);
        table.SetDefaults();
        EXPECT_EQ(Snapshot(table), DefaultStatsRecords());
    }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), DefaultStatsFile().toHex(' '));
}

TEST_F(ScoreTableTest, ExitLeavesAFileThatAlreadyHoldsTheRecords)
{
    const QByteArray bytes = CStatsCodec::Encode(SampleRecords());
    Write(bytes);
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(m_strPath).constData(), &before), 0);
    { CScoreTable table(m_strPath); }
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(m_strPath).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";

    // Anything after the sixth name is not the table's: written anew.
    Write(bytes + "x");
    { CScoreTable table(m_strPath); }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '), bytes.toHex(' '));
}

TEST_F(ScoreTableTest, HandheldFileIsRewrittenWithWideNames)
{
    // Eight-bit names, as the handheld may have left them, in both length forms.
    const QByteArray integers = QByteArray::fromHex("0F270000 0F0E0000").repeated(3);
    Write(integers + QByteArray::fromHex("04 4A6F73E9  FF 0300 416E6E  00 00 00 00"));
    { CScoreTable table(m_strPath); }
    EXPECT_EQ(ReadFile(m_strPath).toHex(' '),
              (integers + QByteArray::fromHex("FFFEFF04 4A006F007300E900  FFFEFF03 41006E006E00")
               + QByteArray::fromHex("FFFEFF00").repeated(4)).toHex(' '));
}

// Every cut loads the defaults, all of them: a load that stops part way does
// not keep what the table held before.
TEST_F(ScoreTableTest, EveryTruncatedFileLoadsAllDefaults)
{
    CScoreTable table(m_strPath);
    const QByteArray whole = DefaultStatsFile();
    for (qsizetype n = 0; n < whole.size(); ++n) {
        Store(table, SampleRecords());
        Write(whole.left(n));
        table.LoadStats();
        ASSERT_EQ(Snapshot(table), DefaultStatsRecords()) << "file of " << n << " bytes";
    }
}
