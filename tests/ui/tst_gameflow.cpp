#include "TestSupport.h"

#include "options/Settings.h"

#include <QFile>
#include <QProxyStyle>
#include <QToolButton>
#include <QLabel>
#include <QMessageBox>

namespace {

const QString kResign = QStringLiteral("Slydra: Do you want to resign this game?");

const QString kHome = QStringLiteral("idle, clock off, moves 0 \"0\", seconds 0 \"00m00s\", solved");

} // namespace

class GameFlowTest : public CWidgetTest
{
    Q_OBJECT

private slots:
    // First, while this process has shown nothing else: the first frame needs
    // no image format plugin (they are loaded when a picture file is opened).
    void startsWithoutImageFormatPlugins()
    {
        CTestSlydraDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("/imageformats/"), "an image format plugin was loaded");
        QCOMPARE(dlg.windowIcon().availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)}));

        // The menu bar's overflow arrow, made when first drawn, is the desktop style's own.
        auto* pArrow = dlg.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(pArrow);
        const auto* pStyle = qobject_cast<const QProxyStyle*>(QApplication::style());
        QVERIFY(pStyle);
        const QIcon own = pStyle->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!own.isNull());
        QCOMPARE(pArrow->icon().pixmap(16, 16).toImage(), own.pixmap(16, 16).toImage());
    }

    void startsIdleInHomeOrderAtTheStoredSize()
    {
        // Stored size, size shown, tile size; a stored size outside 3..5 gives 4.
        const int cases[][3] = {{4, 4, 58}, {7, 4, 58}, {0, 4, 58}, {-1, 4, 58}, {2, 4, 58}, {5, 5, 46}, {3, 3, 77}};
        for (const auto& [nStored, nSize, nTile] : cases) {
            if (nStored != 4)  // else nothing is stored
                CSettings::PutDims(nStored);
            CTestSlydraDlg dlg;
            QCOMPARE(dlg.m_board.m_nSize, nSize);
            QCOMPARE(dlg.m_nTileSize, nTile);
            QCOMPARE(dlg.State(), kHome);
        }
    }

    void newGameAsksOnlyWhileAGameRuns()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        QVERIFY(dlg.m_questions.isEmpty());
        QCOMPARE(dlg.State(), QStringLiteral("running, clock on, moves 0 \"0\", seconds 0 \"00m00s\", scrambled"));

        // Play a little, then decline to resign: nothing changes.
        int row = 0, col = 0;
        dlg.m_board.FindBlank(row, col);
        dlg.Tap(row, col == 0 ? 1 : col - 1);
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        const std::vector<int> cells = dlg.m_board.m_cells;
        const QString strState = QStringLiteral("running, clock on, moves 1 \"1\", seconds 1 \"00m01s\", scrambled");
        QCOMPARE(dlg.State(), strState);
        dlg.m_answer = QMessageBox::No;
        dlg.OnNewGame();
        QCOMPARE(dlg.m_questions, QStringList{kResign});
        QCOMPARE(dlg.m_board.m_cells, cells);
        QCOMPARE(dlg.State(), strState);

        // Yes deals again with the counters at zero; the question came once.
        dlg.m_answer = QMessageBox::Yes;
        dlg.OnNewGame();
        QCOMPARE(dlg.m_questions.size(), 2);
        QCOMPARE(dlg.State(), QStringLiteral("running, clock on, moves 0 \"0\", seconds 0 \"00m00s\", scrambled"));
    }

    // Without a game, the taps that move count nothing and ask nothing.
    void tapsMapToCellsAndOnlyNeighboursOfTheBlankMove()
    {
        CSettings::PutUseAnim(false);
        CTestSlydraDlg dlg;  // 4x4, home order, blank bottom right
        const int t = dlg.m_nTileSize;
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(2, 10));  // margin: cell (0, 0)
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 4 * t, 4 + 3 * t + 5));
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 3 * t + 5, 4 + 4 * t));
        dlg.Tap(2, 2);  // diagonal
        QVERIFY(dlg.m_board.IsSolved());

        dlg.Tap(3, 2);
        QCOMPARE(dlg.m_board.GetAt(3, 3), 14);
        QCOMPARE(dlg.m_board.GetAt(3, 2), 15);
        dlg.Tap(3, 3);
        QCOMPARE(dlg.State(), kHome);
        QVERIFY(dlg.m_questions.isEmpty());
    }

    // The last move is counted as its slide starts, a tap during a slide is
    // dropped, and completion stops the game before the dialog opens.
    void completingTheGridCountsTheLastMoveThenStopsTheGame()
    {
        CTestSlydraDlg dlg;
        dlg.StartKnownGame();
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        CSettings::PutUseAnim(true);
        dlg.Tap(0, 2);
        QVERIFY(dlg.m_slide.m_bActive);
        dlg.Tap(1, 2);  // dropped
        QCOMPARE(dlg.m_board.GetAt(1, 2), 2);
        for (int tick = 0; tick < 4; ++tick)
            dlg.OnTimer(CSlideAnimation::kTimerId);
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));
        QCOMPARE(dlg.State(), QStringLiteral("running, clock on, moves 1 \"1\", seconds 1 \"00m01s\", scrambled"));

        dlg.Tap(1, 2);
        for (int tick = 0; tick < 4; ++tick)
            dlg.OnTimer(CSlideAnimation::kTimerId);
        QCOMPARE(dlg.m_nMoves, 2);
        QVERIFY(dlg.m_questions.isEmpty());
        const QString strDone = QStringLiteral("idle, clock off, moves 3 \"3\", seconds 1 \"00m01s\", solved");
        QString strInside;
        bool bSliding = false;
        WhenModalOpens([&](QWidget* pModal) {
            QCOMPARE(pModal->windowTitle(), QStringLiteral("Congratulations"));
            strInside = dlg.State();
            bSliding = dlg.m_slide.m_bActive;
        });
        dlg.Tap(2, 2);
        QCOMPARE(strInside, strDone);
        QVERIFY(bSliding);
        QCOMPARE(dlg.State(), strDone);
        QCOMPARE(dlg.m_questions,
                 QStringList{QStringLiteral("Grid Completed: Congratulations, you have successfully completed the "
                                            "grid in a time of 00m01s from 3 moves")});

        // Afterwards taps slide without counting, and New asks nothing.
        for (int tick = 0; tick < 4; ++tick)
            dlg.OnTimer(CSlideAnimation::kTimerId);
        dlg.Tap(2, 1);
        QVERIFY(!dlg.m_board.IsSolved());
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        QCOMPARE(dlg.State(), QStringLiteral("idle, clock off, moves 3 \"3\", seconds 1 \"00m01s\", scrambled"));
        dlg.OnNewGame();
        QCOMPARE(dlg.m_questions.size(), 1);
    }

    void aSlideStopsOnNewAndOptionsAndWithoutATimerEndsAtOnce()
    {
        CTestSlydraDlg dlg;
        dlg.Tap(3, 2);
        QVERIFY(dlg.m_slide.m_bActive);
        dlg.OnNewGame();
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));

        int row = 0, col = 0;
        dlg.m_board.FindBlank(row, col);
        dlg.Tap(row, col == 0 ? 1 : col - 1);
        QVERIFY(dlg.m_slide.m_bActive);
        dlg.m_options = [] { return false; };
        dlg.OnOptions();
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));

        dlg.m_bRefuseTimers = true;
        dlg.Tap(3, 2);
        QVERIFY(!dlg.m_slide.m_bActive);
        dlg.Tap(3, 3);
        QVERIFY(dlg.m_board.IsSolved());
    }

    // Options asks to resign a running game: No keeps it; Yes ends it even
    // when nothing changes. Only a change rebuilds the board, and without a
    // game nothing is asked.
    void optionsEndTheGameAndApplyWhatChanged()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        const std::vector<int> cells = dlg.m_board.m_cells;
        dlg.m_answer = QMessageBox::No;
        dlg.OnOptions();
        QCOMPARE(dlg.m_nOptionsShown, 0);
        QCOMPARE(dlg.m_board.m_cells, cells);
        QVERIFY(dlg.m_bRunning);

        const QImage before = dlg.m_picture.Surface();
        dlg.m_answer = QMessageBox::Yes;
        dlg.m_options = [] { return false; };
        dlg.OnOptions();
        QCOMPARE(dlg.m_nOptionsShown, 1);
        QCOMPARE(dlg.m_questions, (QStringList{kResign, kResign}));
        QCOMPARE(dlg.State(), kHome);
        QCOMPARE(dlg.m_picture.Surface().constBits(), before.constBits());  // not rebuilt

        CSettings::PutDims(3);
        dlg.ApplyOptions();
        QCOMPARE(dlg.m_board.m_nSize, 3);
        QCOMPARE(dlg.m_nTileSize, 77);
        QCOMPARE(dlg.State(), kHome);
        QCOMPARE(dlg.m_questions.size(), 2);
    }

    // The dialogs run their own loops: the clock keeps counting and the game
    // is left as it was.
    void aboutAndBestScoresLeaveTheGameRunning()
    {
        for (void (CSlydraDlg::*pShow)() : {&CSlydraDlg::OnAbout, &CSlydraDlg::OnBestScores}) {
            CTestSlydraDlg dlg;
            dlg.OnNewGame();
            const std::vector<int> cells = dlg.m_board.m_cells;
            QString strInside;
            WhenModalOpens([&dlg, &strInside](QWidget*) {
                dlg.OnTimer(CSlydraDlg::kClockTimerId);
                dlg.OnTimer(CSlydraDlg::kClockTimerId);
                strInside = dlg.State();
            });
            (dlg.*pShow)();
            QCOMPARE(strInside, QStringLiteral("running, clock on, moves 0 \"0\", seconds 2 \"00m02s\", scrambled"));
            QCOMPARE(dlg.State(), strInside);
            QCOMPARE(dlg.m_board.m_cells, cells);
            QVERIFY(dlg.m_questions.isEmpty());
        }
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_gameflow.moc"
