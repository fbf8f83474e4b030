#include "TestSupport.h"

#include "options/OptionsDlg.h"
#include "options/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
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
    {"abc", 4},
    {"-1", 4},
    {"0", 4},
    {"2", 4},
    {"6", 4},
    {"-2147483648", 4},
    {"2147483647", 4},
    {"99999999999999999999999999", 4},
    {"", 4},
    {"4.5", 4},
    {"0x5", 4},
    {"3 apples", 4},
    {"1, 2, 3", 4},
    {"@Invalid()", 4},
    {"@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1fNoSuchType\\xff\\xff)", 4},
    {"@Variant(\\xff\\xff)", 4},
    {"@ByteArray(5)", 5},
    {"\"3\"", 3},
    {"\xff\xfe\x80", 4},
    {"5", 5},
};

// Picture paths: empty, enormous, not UTF-8, or naming what is no picture.
std::vector<QByteArray> Paths()
{
    return {
        "",
        "/" + QByteArray(100000, 'a') + ".jpg",
        "/tmp/\xff\xfe\xc3\x28pic\x80.jpg",
        "\xc0\xaf\xed\xa0\x80",
        "/dev/zero",
        "/",
        "relative/../../pic.gif",
        "@Variant(\\0\\0\\0\\x0c\\0\\0\\0\\x0)",
        "a, b, c",
        QByteArray("\\0\\0\\0") + QByteArray(5000, '\\'),
    };
}

// Parity of the permutation equals that of the blank's distance from home:
// exactly the orders that moves can reach from home order.
bool Solvable(const CBoard& board)
{
    const int nCells = board.m_nSize * board.m_nSize;
    std::vector<int> cells = board.m_cells;
    int nSwaps = 0;
    for (int i = 0; i < nCells; ++i) {
        while (cells[i] != i) {
            std::swap(cells[i], cells[cells[i]]);
            ++nSwaps;
        }
    }
    int nBlankRow = 0;
    int nBlankCol = 0;
    board.FindBlank(nBlankRow, nBlankCol);
    const int nDistance = (board.m_nSize - 1 - nBlankRow) + (board.m_nSize - 1 - nBlankCol);
    return nSwaps % 2 == nDistance % 2;
}

bool IsPermutation(const CBoard& board)
{
    std::vector<bool> seen(board.m_cells.size(), false);
    for (const int tile : board.m_cells) {
        if (tile < 0 || tile >= static_cast<int>(seen.size()) || seen[tile])
            return false;
        seen[tile] = true;
    }
    return board.m_cells.size() == static_cast<std::size_t>(board.m_nSize * board.m_nSize);
}

} // namespace

// Every stored option replaced by garbage, written raw into the settings
// file: the window starts with a sound board and Options still works.
class HostileSettingsTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;
    QString m_strFile;

    void WriteRaw(const QByteArray& dims, const QByteArray& usePic, const QByteArray& useAnim,
                  const QByteArray& location)
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_strFile).absolutePath()));
        QFile file(m_strFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Settings]\nDims=" + dims + "\nUsePic=" + usePic + "\nUseAnim=" + useAnim
                   + "\nLocation=" + location + "\n");
    }

    // The board the window shows: size, tile size and order all sound.
    void CheckBoard(CTestSlydraDlg& dlg, int nSize)
    {
        QCOMPARE(dlg.m_board.m_nSize, nSize);
        QCOMPARE(dlg.m_nTileSize, (240 - 8) / nSize);
        QVERIFY(IsPermutation(dlg.m_board));
        QVERIFY(Solvable(dlg.m_board));
        QCOMPARE(dlg.m_wndMoves->text(), QString::number(dlg.m_nMoves));
    }

private slots:
    void initTestCase()
    {
        m_env = new CTestEnvironment;
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        QSettings settings;
        m_strFile = settings.fileName();
        QVERIFY(m_strFile.startsWith(m_env->Path()));
    }
    void cleanupTestCase() { delete m_env; }
    void init() { m_env->ClearSettings(); }

    void garbageEverywhere_data()
    {
        QTest::addColumn<QByteArray>("dims");
        QTest::addColumn<QByteArray>("usePic");
        QTest::addColumn<QByteArray>("useAnim");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<int>("size");
        const std::vector<QByteArray> paths = Paths();
        const std::size_t n = kNumbers.size();
        for (std::size_t i = 0; i < n; ++i) {
            QTest::addRow("%d: Dims=%s", static_cast<int>(i), kNumbers[i].raw.left(40).toHex().constData())
                << kNumbers[i].raw << kNumbers[(i + 7) % n].raw << kNumbers[(i + 13) % n].raw
                << paths[i % paths.size()] << kNumbers[i].nSize;
        }
    }

    void garbageEverywhere()
    {
        QFETCH(QByteArray, dims);
        QFETCH(QByteArray, usePic);
        QFETCH(QByteArray, useAnim);
        QFETCH(QByteArray, location);
        QFETCH(int, size);
        WriteRaw(dims, usePic, useAnim, location);
        if (QTest::currentTestFailed())
            return;

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
