#include "TestSupport.h"
#include "tests/core/BoardChecks.h"

#include "app/ElapsedText.h"
#include "board/RandomSource.h"
#include "options/Settings.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int kTaps = 100000;
constexpr std::uint32_t kSeed = 20240607u;

// What the game must show, worked out step by step beside it.
struct SExpected
{
    int nSize = 4;
    std::vector<int> cells;
    int nMoves = 0;
    int nSeconds = 0;
    bool bRunning = false;
};

} // namespace

// Long play: a seeded mix of taps, clock and slide ticks, New, Options,
// Best Scores and completed games. After every step the board is a
// permutation, the counters and labels say what was done, and the timers run
// exactly when they should. Under the sanitizer build nothing may leak.
class SoakTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment m_env;  // before the window, which reads its settings
    CTestSlydraDlg m_dlg;
    CDialogCounter m_dialogs;
    std::mt19937 m_random{kSeed};
    CZeroRandom m_zero;
    CRuntimeRandom m_runtime;
    SExpected m_expected;
    int m_nStep = 0;
    int m_nTaps = 0;
    int m_nMovesMade = 0;
    int m_nCompleted = 0;
    int m_nCongratulations = 0;
    int m_nQuestionsSeen = 0;

    int Pick(int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(m_random); }

    void Fail(const char* what)
    {
        QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(m_nStep).arg(QLatin1String(what))));
    }

    // The invariants, after every step.
    void Check()
    {
        if (m_dlg.m_board.m_nSize != m_expected.nSize)
            return Fail("board size");
        if (!BoardChecks::IsPermutation(m_dlg.m_board))
            return Fail("the board is not a permutation");
        if (m_dlg.m_board.m_cells != m_expected.cells)
            return Fail("the tiles are not where the taps put them");
        if (m_dlg.m_nMoves != m_expected.nMoves || m_dlg.m_nSeconds != m_expected.nSeconds)
            return Fail("move count or seconds");
        if (m_dlg.m_bRunning != m_expected.bRunning || m_dlg.Ticking(CSlydraDlg::kClockTimerId) != m_dlg.m_bRunning)
            return Fail("the clock runs when no game does, or not when one does");
        if (m_dlg.Ticking(CSlideAnimation::kTimerId) != (m_dlg.m_slide.m_bActive && m_dlg.m_slide.m_nFrameCount > 1))
            return Fail("the slide timer");
        if (m_dlg.m_nTileSize != (240 - 8) / m_expected.nSize)
            return Fail("tile size");
        if (m_dlg.m_wndMoves->text() != QString::number(m_dlg.m_nMoves)
            || m_dlg.m_wndTime->text() != QString::fromStdString(FormatElapsed(m_dlg.m_nSeconds)))
            return Fail("labels");
        if (m_dlg.m_questions.size() != m_nQuestionsSeen)
            return Fail("an unexpected message");
    }

    int ExpectedBlank() const
    {
        const int nBlankTile = m_expected.nSize * m_expected.nSize - 1;
        return static_cast<int>(std::find(m_expected.cells.begin(), m_expected.cells.end(), nBlankTile)
                                - m_expected.cells.begin());
    }

    // The tile at (nRow, nCol) takes the blank's place, and is counted in a game.
    void ExpectMove(int nRow, int nCol)
    {
        std::swap(m_expected.cells[static_cast<std::size_t>(nRow * m_expected.nSize + nCol)],
                  m_expected.cells[static_cast<std::size_t>(ExpectedBlank())]);
        ++m_nMovesMade;
        if (m_expected.bRunning)
            ++m_expected.nMoves;
    }

    void Tap()
    {
        const int t = m_dlg.m_nTileSize;
        QPoint point(Pick(0, 239), Pick(0, 267));
        if (Pick(0, 9) < 7) {
            // Mostly a tile next to the blank, so that moves happen.
            const int nBlank = ExpectedBlank();
            const int dir = Pick(0, 3);
            const int nRow = nBlank / m_expected.nSize + (dir == 0 ? -1 : dir == 1 ? 1 : 0);
            const int nCol = nBlank % m_expected.nSize + (dir == 2 ? -1 : dir == 3 ? 1 : 0);
            point = QPoint(4 + t * nCol + Pick(0, t - 1), 4 + t * nRow + Pick(0, t - 1));
            point.setX(qBound(0, point.x(), 239));
            point.setY(qBound(0, point.y(), 267));
        }
        ++m_nTaps;

        // Where the tap lands and what it does, by the rules of the game.
        const bool bBusy = m_dlg.m_slide.m_bActive;
        const int nCol = (point.x() - 4) / t;
        const int nRow = (point.y() - 4) / t;
        const int n = m_expected.nSize;
        const int nBlank = ExpectedBlank();
        // Integer division truncates toward zero, so the margins count as
        // row and column 0.
        const bool bInside = nCol >= 0 && nCol < n && nRow >= 0 && nRow < n;
        const bool bNext = bInside && std::abs(nRow - nBlank / n) + std::abs(nCol - nBlank % n) == 1;
        const bool bMoves = !bBusy && bNext;
        if (bMoves)
            ExpectMove(nRow, nCol);

        if (m_nTaps % 100 == 0)
            QTest::mouseClick(&m_dlg, Qt::LeftButton, Qt::NoModifier, point);
        else
            m_dlg.OnLButtonDown(point);

        if (bMoves && m_expected.bRunning && m_dlg.m_board.IsSolved())
            Completed();
    }

    void Completed()
    {
        m_expected.bRunning = false;
        ++m_nCompleted;
        ++m_nQuestionsSeen;  // the completion message
        const QString strMessage = m_dlg.m_questions.value(m_nQuestionsSeen - 1);
        const QString strTime = QString::fromStdString(FormatElapsed(m_expected.nSeconds));
        if (!strMessage.contains(strTime + QStringLiteral(" from ") + QString::number(m_expected.nMoves) + QStringLiteral(" moves")))
            Fail("completion message");
    }

    void ClockTick()
    {
        if (!m_dlg.Ticking(CSlydraDlg::kClockTimerId))
            return;
        m_dlg.OnTimer(CSlydraDlg::kClockTimerId);
        ++m_expected.nSeconds;
    }

    void SlideTicks(int nTicks)
    {
        for (int tick = 0; tick < nTicks && m_dlg.Ticking(CSlideAnimation::kTimerId); ++tick)
            m_dlg.OnTimer(CSlideAnimation::kTimerId);
    }

    // The resign question, answered at random when a game runs.
    bool Resigns()
    {
        if (!m_expected.bRunning)
            return true;
        ++m_nQuestionsSeen;
        const bool bYes = Pick(0, 4) > 0;
        m_dlg.m_answer = bYes ? QMessageBox::Yes : QMessageBox::No;
        return bYes;
    }

    void NewGame()
    {
        const bool bResigns = Resigns();
        m_dlg.OnNewGame();
        if (bResigns)  // a fresh scramble, checked to be a permutation
            m_expected = {m_expected.nSize, m_dlg.m_board.m_cells, 0, 0, true};
    }

    // Options through the window's seam: sometimes a new size, sometimes the
    // animation turned over, sometimes nothing changed.
    void Options(int nForcedSize = 0)
    {
        const bool bResigns = Resigns();
        const int nChoice = nForcedSize ? 0 : Pick(0, 9);
        const int nNewSize = nForcedSize ? nForcedSize : Pick(3, 5);
        m_dlg.m_options = [nChoice, nNewSize] {
            if (nChoice < 4) {
                CSettings::PutDims(nNewSize);
                return true;
            }
            if (nChoice < 6) {
                CSettings::PutUseAnim(!CSettings::GetUseAnim());
                return true;
            }
            return false;
        };
        m_dlg.OnOptions();
        const int nSize = nChoice < 4 ? nNewSize : m_expected.nSize;
        if (bResigns)
            m_expected = {nSize, BoardChecks::HomeOrder(nSize), 0, 0, false};
    }

    // A 3x3 game dealt by a generator of zeros (blank in cell 1), solved by
    // tapping cells 2, 5 and 8 after a few seconds; the records are reset now
    // and then so that the Congratulations dialog comes up again.
    void KnownGame()
    {
        Options(3);
        if (m_expected.bRunning)
            return;  // the player kept the running game
        if (Pick(0, 3) == 0)
            m_dlg.m_scores.SetDefaults();
        m_dlg.SetRandomSource(&m_zero);
        NewGame();
        m_dlg.SetRandomSource(&m_runtime);
        if (m_expected.cells != std::vector<int>{0, 8, 1, 3, 4, 2, 6, 7, 5})
            return Fail("the known game was not dealt");
        const int nTicks = Pick(0, 8);
        for (int tick = 0; tick < nTicks; ++tick)
            ClockTick();

        int nBestMoves = 0;
        int nBestTime = 0;
        QString strName;
        m_dlg.m_scores.GetMovesRecord(0, nBestMoves, strName);
        m_dlg.m_scores.GetTimeRecord(0, nBestTime, strName);
        const int nShown = m_dialogs.m_nShown;
        for (const int nCell : {2, 5, 8}) {
            const int t = m_dlg.m_nTileSize;
            ExpectMove(nCell / 3, nCell % 3);
            ++m_nTaps;
            m_dlg.OnLButtonDown(QPoint(4 + t * (nCell % 3) + t / 2, 4 + t * (nCell / 3) + t / 2));
            if (nCell != 8)
                SlideTicks(5);
        }
        Completed();
        const bool bRecord = 3 < nBestMoves || m_expected.nSeconds < nBestTime;
        if (m_dialogs.m_nShown - nShown != (bRecord ? 1 : 0))
            return Fail("the Congratulations dialog came when no record fell, or not when one did");
        m_nCongratulations += bRecord ? 1 : 0;
    }

    // A slide's frames drawn one by one leave what a whole repaint shows, but
    // for the frame's innermost ring: it lies under the outer tiles, and a
    // slide clears the cell it leaves with the face colour where a repaint
    // draws the ring's line.
    void FrameMatchesRepaint()
    {
        SlideTicks(5);
        Check();
        const QImage drawn = m_dlg.Frame();
        m_dlg.InvalidateBoard();
        const QImage repainted = m_dlg.Frame();
        const QColor face = CTestEnvironment::kFace;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) == repainted.pixel(x, y))
                    continue;
                const bool bRing5 = x < 236 && y < 236 && (x == 4 || y == 4 || x == 235 || y == 235);
                if (!bRing5 || drawn.pixelColor(x, y) != face)
                    return Fail("the slides left the board unlike a repaint");
            }
        }
    }

private slots:
    void initTestCase()
    {
        m_dlg.SetRandomSource(&m_runtime);
        m_dlg.SetTickSource([this] { return static_cast<std::uint32_t>(m_random()); });
        m_expected.cells = m_dlg.m_board.m_cells;
    }

    void longPlay()
    {
        Check();
        while (m_nTaps < kTaps) {
            ++m_nStep;
            const int nWhat = Pick(0, 999);

            if (nWhat < 700)
                Tap();
            else if (nWhat < 800)
                ClockTick();
            else if (nWhat < 990)
                SlideTicks(1);
            else if (nWhat < 994)
                NewGame();
            else if (nWhat < 997)
                Options();
            else if (nWhat < 999)
                KnownGame();
            else
                m_dlg.OnBestScores();
            Check();
            if (QTest::currentTestFailed())
                return;
            if (m_nStep % 500 == 0) {
                FrameMatchesRepaint();
                QCoreApplication::processEvents();
                if (QTest::currentTestFailed())
                    return;
            }
        }
        qInfo("%d steps: %d taps, %d moves, %d games completed, %d Congratulations dialogs, %d messages",
              m_nStep, m_nTaps, m_nMovesMade, m_nCompleted, m_nCongratulations, m_nQuestionsSeen);
        QVERIFY(m_nCompleted >= 50);
        QVERIFY(m_nCongratulations >= 5);
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
