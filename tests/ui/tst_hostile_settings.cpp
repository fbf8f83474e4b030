#include "TestSupport.h"
#include "tests/core/BoardChecks.h"

#include "options/OptionsDlg.h"
#include "options/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <vector>

namespace {

// A value as it stands in the settings file, and the grid size it must give.
struct SStored
{
    QByteArray raw;
    int nSize;
};

// Integers as a hand-edited or damaged settings file may hold them.
const std::vector<SStored> kNumbers = {
    {"abc", 4}, {"-1", 4}, {"0", 4}, {"2", 4}, {"6", 4},
    {"-2147483648", 4}, {"2147483647", 4}, {"99999999999999999999999999", 4},
    {"", 4}, {"4.5", 4}, {"0x5", 4}, {"3 apples", 4}, {"1, 2, 3", 4}, {"@Invalid()", 4},
    {"@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1fNoSuchType\\xff\\xff)", 4}, {"@Variant(\\xff\\xff)", 4},
    {"@ByteArray(5)", 5}, {"\"3\"", 3}, {"\xff\xfe\x80", 4}, {"5", 5},
};

// Picture paths: empty, enormous, not UTF-8, or naming what is no picture.
std::vector<QByteArray> Paths()
{
    return {"", "/" + QByteArray(100000, 'a') + ".jpg", "/tmp/\xff\xfe\xc3\x28pic\x80.jpg", "\xc0\xaf\xed\xa0\x80",
            "/dev/zero", "/", "relative/../../pic.gif", "@Variant(\\0\\0\\0\\x0c\\0\\0\\0\\x0)", "a, b, c",
            QByteArray("\\0\\0\\0") + QByteArray(5000, '\\')};
}

} // namespace

// Every stored option replaced by garbage, written raw into the settings
// file: the window starts with a sound board and Options still works.
class HostileSettingsTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment m_env;
    QString m_strFile;

    // The board the window shows: size, tile size and order all sound.
    void CheckBoard(CTestSlydraDlg& dlg, int nSize)
    {
        QCOMPARE(dlg.m_board.m_nSize, nSize);
        QCOMPARE(dlg.m_nTileSize, (240 - 8) / nSize);
        QVERIFY(BoardChecks::Solvable(dlg.m_board));
        QCOMPARE(dlg.m_wndMoves->text(), QString::number(dlg.m_nMoves));
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        QSettings settings;
        m_strFile = settings.fileName();
        QVERIFY(m_strFile.startsWith(m_env.Path()));
    }
    void init() { m_env.ClearSettings(); }

    // Row i stores number i as Dims, two others as the switches and a path.
    void garbageEverywhere_data()
    {
        QTest::addColumn<std::size_t>("i");
        for (std::size_t i = 0; i < kNumbers.size(); ++i)
            QTest::addRow("%d: Dims=%s", static_cast<int>(i), kNumbers[i].raw.left(40).toHex().constData()) << i;
    }

    void garbageEverywhere()
    {
        QFETCH(std::size_t, i);
        const std::size_t n = kNumbers.size();
        const std::vector<QByteArray> paths = Paths();
        const int size = kNumbers[i].nSize;
        QVERIFY(QDir().mkpath(QFileInfo(m_strFile).absolutePath()));
        QFile file(m_strFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Settings]\nDims=" + kNumbers[i].raw + "\nUsePic=" + kNumbers[(i + 7) % n].raw + "\nUseAnim="
                   + kNumbers[(i + 13) % n].raw + "\nLocation=" + paths[i % paths.size()] + "\n");
        file.close();

        CTestSlydraDlg dlg;
        CheckBoard(dlg, size);
        QVERIFY(dlg.m_board.IsSolved());
        QVERIFY(dlg.m_picture.HasBitmap());
        QCOMPARE(dlg.m_picture.Surface().size(), QSize(232, 232));

        // A game runs: scrambled, solvable, and a tap next to the blank moves.
        dlg.OnNewGame();
        CheckBoard(dlg, size);
        int nRow = 0;
        int nCol = 0;
        dlg.m_board.FindBlank(nRow, nCol);
        dlg.Tap(nRow, nCol > 0 ? nCol - 1 : nCol + 1);
        for (int tick = 0; tick < 4; ++tick)
            dlg.OnTimer(2);
        QVERIFY(!dlg.m_slide.m_bActive);
        QCOMPARE(dlg.m_nMoves, 1);
        CheckBoard(dlg, size);

        // The real Options dialog opens over it, takes a new grid size and closes.
        const int nNewSize = size == 5 ? 3 : 5;
        bool bSeen = false;
        WhenModalOpens([&](QWidget* pModal) {
            auto* pOptions = qobject_cast<COptionsDlg*>(pModal);
            QVERIFY(pOptions);
            bSeen = true;
            QCOMPARE(pOptions->GridSizeBox()->count(), 3);
            pOptions->AnimationBox()->click();
            pOptions->UsePictureBox()->click();
            pOptions->GridSizeBox()->setCurrentIndex(nNewSize - 3);
            emit pOptions->GridSizeBox()->activated(nNewSize - 3);
            QTest::mouseClick(pOptions->OkButton(), Qt::LeftButton);
        });
        dlg.OnOptions();
        QVERIFY(bSeen);
        QCOMPARE(dlg.m_questions.size(), 1);  // resigning the running game
        QCOMPARE(CSettings::GetDims(), nNewSize);
        CheckBoard(dlg, nNewSize);
        QVERIFY(dlg.m_board.IsSolved());
        QVERIFY(!dlg.m_bRunning);
        QCOMPARE(dlg.m_picture.Surface().size(), QSize(232, 232));
    }
};

QTEST_MAIN(HostileSettingsTest)
#include "tst_hostile_settings.moc"
