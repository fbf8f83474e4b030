#include "TestSupport.h"

#include "board/RandomSource.h"
#include "options/OptionsDlg.h"
#include "options/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QProxyStyle>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

const QString kResign = QStringLiteral("Slydra: Do you want to resign this game?");

} // namespace

class GameFlowTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;

private slots:
    void initTestCase() { m_env = new CTestEnvironment; }
    void cleanupTestCase() { delete m_env; }
    void init() { m_env->ClearSettings(); }

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
        CTestSlydraDlg dlg;
        QCOMPARE(dlg.m_board.m_nSize, 4);
        QVERIFY(dlg.m_board.IsSolved());
        QVERIFY(!dlg.m_bRunning);
        QCOMPARE(dlg.m_wndMoves->text(), QStringLiteral("0"));
        QCOMPARE(dlg.m_wndTime->text(), QStringLiteral("00m00s"));
        QCOMPARE(dlg.m_nTileSize, 58);

        for (int stored : {7, 0, -1, 2}) {
            CSettings::PutDims(stored);
            CTestSlydraDlg odd;
            QCOMPARE(odd.m_board.m_nSize, 4);
        }
        CSettings::PutDims(5);
        CTestSlydraDlg five;
        QCOMPARE(five.m_board.m_nSize, 5);
        QCOMPARE(five.m_nTileSize, 46);
    }

    void newGameAsksOnlyWhileAGameRuns()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        QVERIFY(dlg.m_questions.isEmpty());
        QVERIFY(dlg.m_bRunning);
        QVERIFY(dlg.Ticking(CSlydraDlg::kClockTimerId));
        QVERIFY(!dlg.m_board.IsSolved());
        QCOMPARE(dlg.m_wndMoves->text(), QStringLiteral("0"));

        // Play a little, then decline to resign: nothing changes.
        int row = 0, col = 0;
        dlg.m_board.FindBlank(row, col);
        dlg.Tap(row, col == 0 ? 1 : col - 1);
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        const std::vector<int> cells = dlg.m_board.m_cells;
        dlg.m_answer = QMessageBox::No;
        dlg.OnNewGame();
        QCOMPARE(dlg.m_questions, QStringList{kResign});
        QCOMPARE(dlg.m_board.m_cells, cells);
        QCOMPARE(dlg.m_nMoves, 1);
        QCOMPARE(dlg.m_nSeconds, 1);
        QVERIFY(dlg.m_bRunning);
        QVERIFY(dlg.Ticking(CSlydraDlg::kClockTimerId));

        // Yes deals again with the counters at zero; the question came once.
        dlg.m_answer = QMessageBox::Yes;
        dlg.OnNewGame();
        QCOMPARE(dlg.m_questions.size(), 2);
        QCOMPARE(dlg.m_nMoves, 0);
        QCOMPARE(dlg.m_nSeconds, 0);
        QCOMPARE(dlg.m_wndTime->text(), QStringLiteral("00m00s"));
        QVERIFY(dlg.m_bRunning);
    }

    void theClockCountsTicksOnlyWhileAGameRuns()
    {
        CTestSlydraDlg dlg;
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        QCOMPARE(dlg.m_nSeconds, 0);
        dlg.OnNewGame();
        dlg.m_nSeconds = 3598;
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        QCOMPARE(dlg.m_wndTime->text(), QStringLiteral("59m59s"));
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        QCOMPARE(dlg.m_wndTime->text(), QStringLiteral("01h00m00s"));
    }

    void tapsMapToCellsAndOnlyNeighboursOfTheBlankMove()
    {
        CSettings::PutUseAnim(false);
        CTestSlydraDlg dlg;  // 4x4, home order, blank bottom right
        const int t = dlg.m_nTileSize;

        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(2, 10));  // margin: cell (0, 0)
        QVERIFY(dlg.m_board.IsSolved());

        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 4 * t, 4 + 3 * t + 5));
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 3 * t + 5, 4 + 4 * t));
        QVERIFY(dlg.m_board.IsSolved());

        dlg.Tap(2, 2);  // diagonal
        QVERIFY(dlg.m_board.IsSolved());

        dlg.Tap(3, 2);
        QCOMPARE(dlg.m_board.GetAt(3, 3), 14);
        QCOMPARE(dlg.m_board.GetAt(3, 2), 15);
    }

    void freePlayInIdleCountsNothingAndNoticesNothing()
    {
        CSettings::PutUseAnim(false);
        CTestSlydraDlg dlg;
        dlg.Tap(3, 2);
        dlg.Tap(3, 3);
        QVERIFY(dlg.m_board.IsSolved());
        QCOMPARE(dlg.m_nMoves, 0);
        QCOMPARE(dlg.m_wndMoves->text(), QStringLiteral("0"));
        QVERIFY(dlg.m_questions.isEmpty());
    }

    void completingTheGridCountsTheLastMoveThenStopsTheGame()
    {
        CTestSlydraDlg dlg;
        dlg.StartKnownGame();
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        dlg.Tap(0, 2);
        dlg.Tap(1, 2);
        QCOMPARE(dlg.m_nMoves, 2);
        QVERIFY(dlg.m_questions.isEmpty());
        bool bCongratulated = false;
        WhenModalOpens([&](QWidget* pModal) {
            bCongratulated = pModal->windowTitle() == QStringLiteral("Congratulations");
            QVERIFY(!dlg.m_bRunning);
            QCOMPARE(dlg.m_wndMoves->text(), QStringLiteral("3"));
        });
        dlg.Tap(2, 2);
        QVERIFY(bCongratulated);
        QVERIFY(dlg.m_board.IsSolved());
        QCOMPARE(dlg.m_wndMoves->text(), QStringLiteral("3"));
        QCOMPARE(dlg.m_questions,
                 QStringList{QStringLiteral("Grid Completed: Congratulations, you have successfully completed the "
                                            "grid in a time of 00m01s from 3 moves")});
        QVERIFY(!dlg.m_bRunning);
        QVERIFY(!dlg.Ticking(CSlydraDlg::kClockTimerId));

        // Afterwards taps slide without counting, and New asks nothing.
        dlg.Tap(2, 1);
        QCOMPARE(dlg.m_nMoves, 3);
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        QCOMPARE(dlg.m_nSeconds, 1);
        dlg.OnNewGame();
        QCOMPARE(dlg.m_questions.size(), 1);
    }

    void theLastMoveIsCountedBeforeTheSlideEnds()
    {
        CTestSlydraDlg dlg;
        dlg.StartKnownGame();
        CSettings::PutUseAnim(true);
        dlg.Tap(0, 2);
        QVERIFY(dlg.m_slide.m_bActive);
        QCOMPARE(dlg.m_nMoves, 1);

        dlg.Tap(1, 2);  // dropped: a slide is still being drawn
        QCOMPARE(dlg.m_nMoves, 1);
        QCOMPARE(dlg.m_board.GetAt(1, 2), 2);

        for (int tick = 0; tick < 4; ++tick)
            dlg.OnTimer(CSlideAnimation::kTimerId);
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));
        QVERIFY(dlg.Ticking(CSlydraDlg::kClockTimerId));

        dlg.Tap(1, 2);
        dlg.OnTimer(CSlideAnimation::kTimerId);
        dlg.OnTimer(CSlideAnimation::kTimerId);
        dlg.OnTimer(CSlideAnimation::kTimerId);
        dlg.OnTimer(CSlideAnimation::kTimerId);
        WhenModalOpens([&dlg](QWidget*) { QVERIFY(dlg.m_slide.m_bActive); });
        dlg.Tap(2, 2);
        QCOMPARE(dlg.m_nMoves, 3);
        QVERIFY(!dlg.m_bRunning);
        QCOMPARE(dlg.m_questions.size(), 1);
    }

    void newAndOptionsStopASlideThatIsStillRunning()
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
    }

    void aSlideWithoutATimerFinishesAtOnce()
    {
        CTestSlydraDlg dlg;
        dlg.m_bRefuseTimers = true;
        dlg.Tap(3, 2);
        QVERIFY(!dlg.m_slide.m_bActive);
        dlg.Tap(3, 3);
        QVERIFY(dlg.m_board.IsSolved());
    }

    void optionsAnsweredNoKeepsTheGame()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        const std::vector<int> cells = dlg.m_board.m_cells;
        dlg.m_answer = QMessageBox::No;
        dlg.OnOptions();
        QCOMPARE(dlg.m_nOptionsShown, 0);
        QCOMPARE(dlg.m_board.m_cells, cells);
        QVERIFY(dlg.m_bRunning);
    }

    void optionsWithoutAChangeStillEndsTheGame()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        const QImage before = dlg.m_picture.Surface();
        dlg.m_options = [] { return false; };
        dlg.OnOptions();
        QCOMPARE(dlg.m_nOptionsShown, 1);
        QCOMPARE(dlg.m_questions, QStringList{kResign});
        QVERIFY(!dlg.m_bRunning);
        QVERIFY(!dlg.Ticking(CSlydraDlg::kClockTimerId));
        QVERIFY(dlg.m_board.IsSolved());
        QCOMPARE(dlg.m_wndMoves->text(), QStringLiteral("0"));
        QCOMPARE(dlg.m_wndTime->text(), QStringLiteral("00m00s"));
        QCOMPARE(dlg.m_picture.Surface().constBits(), before.constBits());  // not rebuilt
    }

    void optionsThatChangeTheSizeResizeTheBoard()
    {
        CTestSlydraDlg dlg;
        dlg.m_options = [] {
            CSettings::PutDims(3);
            return true;
        };
        dlg.OnOptions();
        QCOMPARE(dlg.m_board.m_nSize, 3);
        QCOMPARE(dlg.m_nTileSize, 77);
        QVERIFY(dlg.m_board.IsSolved());
        QVERIFY(dlg.m_questions.isEmpty());
    }

    void aboutAndBestScoresLeaveTheGameRunning()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        WhenModalOpens([&dlg](QWidget*) { dlg.OnTimer(CSlydraDlg::kClockTimerId); });
        dlg.OnAbout();
        QVERIFY(dlg.m_bRunning);
        QCOMPARE(dlg.m_nSeconds, 1);
        QVERIFY(dlg.m_questions.isEmpty());
    }

    void theRealOptionsDialogStoresEveryChangeAtOnce()
    {
        CSettings::PutUseAnim(true);
        CTestSlydraDlg dlg;
        bool bSeen = false;
        WhenModalOpens([&bSeen](QWidget* pModal) {
            auto* pOptions = qobject_cast<COptionsDlg*>(pModal);
            QVERIFY(pOptions);
            bSeen = true;
            QCOMPARE(pOptions->GridSizeBox()->currentText(), QStringLiteral("4x4"));
            QVERIFY(pOptions->AnimationBox()->isChecked());
            QVERIFY(pOptions->UsePictureBox()->isChecked());
            QVERIFY(pOptions->PathBox()->text().isEmpty());

            pOptions->GridSizeBox()->setCurrentIndex(2);
            emit pOptions->GridSizeBox()->activated(2);
            QCOMPARE(CSettings::GetDims(), 5);
            QTest::mouseClick(pOptions->AnimationBox(), Qt::LeftButton);
            QVERIFY(!CSettings::GetUseAnim());

            // Typing a path changes nothing that is stored.
            QTest::keyClicks(pOptions->PathBox(), QStringLiteral("/tmp/typed.jpg"));
            QVERIFY(CSettings::GetLocation().isEmpty());
            QTest::mouseClick(pOptions->CancelButton(), Qt::LeftButton);
        });
        dlg.OnOptions();
        QVERIFY(bSeen);
        QCOMPARE(dlg.m_board.m_nSize, 5);
        QCOMPARE(dlg.m_nTileSize, 46);
        QVERIFY(CSettings::GetLocation().isEmpty());
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_gameflow.moc"
