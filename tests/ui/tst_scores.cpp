#include "TestSupport.h"

#include "board/RandomSource.h"
#include "options/Settings.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString kAnonymous = QStringLiteral("Anonymous");

QString Completed(const QString& strTime, int nMoves)
{
    return QStringLiteral("Grid Completed: Congratulations, you have successfully completed the grid in a time of "
                          "%1 from %2 moves")
        .arg(strTime)
        .arg(nMoves);
}

// What the Congratulations dialog showed when it opened.
struct SCongratulations
{
    bool bShown = false;
    QString strLine1;
    QString strLine2;
    QString strLine3;
    QString strName;
    bool bNameFocused = false;
};

// The twelve value controls of the Best Scores dialog: for each level the
// moves holder and moves, then for each level the time holder and time.
QStringList BestScoresTexts(const CBestScoresDlg& dlg)
{
    QStringList texts;
    for (int level = 0; level < CBestScoresDlg::kLevels; ++level)
        texts << dlg.MovesNameLabel(level)->text() << dlg.MovesLabel(level)->text();
    for (int level = 0; level < CBestScoresDlg::kLevels; ++level)
        texts << dlg.TimeNameLabel(level)->text() << dlg.TimeLabel(level)->text();
    return texts;
}

QStringList DefaultTexts()
{
    QStringList texts;
    for (int i = 0; i < 3; ++i)
        texts << kAnonymous << QStringLiteral("9999");
    for (int i = 0; i < 3; ++i)
        texts << kAnonymous << QStringLiteral("59m59s");
    return texts;
}

// The stats file as the handheld writes it with nothing but defaults.
QByteArray DefaultStatsBytes()
{
    QByteArray bytes;
    auto putInt = [&bytes](qint32 n) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(static_cast<char>((n >> shift) & 0xFF));
    };
    for (int level = 0; level < 3; ++level) {
        putInt(9999);
        putInt(3599);
    }
    for (int name = 0; name < 6; ++name) {
        bytes.append("\xFF\xFE\xFF\x09", 4);
        for (const char c : QByteArrayLiteral("Anonymous")) {
            bytes.append(c);
            bytes.append('\0');
        }
    }
    return bytes;
}

// Notes every modal dialog that is shown and closes it at once, so that a
// dialog that should not appear cannot hang the test.
class CModalWatch : public QObject
{
public:
    CModalWatch() { qApp->installEventFilter(this); }
    ~CModalWatch() override { qApp->removeEventFilter(this); }

    QStringList m_titles;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        auto* pDialog = qobject_cast<QDialog*>(pWatched);
        if (pEvent->type() == QEvent::Show && pDialog && pDialog->isWindow() && pDialog->isModal()) {
            m_titles << pDialog->windowTitle();
            QTimer::singleShot(0, pDialog, &QDialog::close);
        }
        return false;
    }
};

} // namespace

class ScoresTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;

    // Plays the known game to the end in three moves and nSeconds seconds;
    // act works on the Congratulations dialog, which is closed afterwards if
    // still open.
    SCongratulations Solve(CTestSlydraDlg& dlg, int nSeconds, std::function<void(CCongratulationsDlg*)> act = {})
    {
        SCongratulations seen;
        dlg.StartKnownGame();
        if (QTest::currentTestFailed())
            return seen;
        for (int tick = 0; tick < nSeconds; ++tick)
            dlg.OnTimer(CSlydraDlg::kClockTimerId);
        dlg.Tap(0, 2);
        dlg.Tap(1, 2);
        WhenModalOpens([&seen, act](QWidget* pModal) {
            auto* pDlg = qobject_cast<CCongratulationsDlg*>(pModal);
            QVERIFY(pDlg);
            seen.bShown = true;
            seen.strLine1 = pDlg->Line(1)->text();
            seen.strLine2 = pDlg->Line(2)->text();
            seen.strLine3 = pDlg->Line(3)->text();
            seen.strName = pDlg->NameBox()->text();
            seen.bNameFocused = pDlg->NameBox()->hasFocus();
            if (act)
                act(pDlg);
        });
        dlg.Tap(2, 2);
        return seen;
    }

    // Opens the Best Scores dialog through its handler; act works on it and
    // the dialog is closed afterwards if still open.
    QStringList ShowBestScores(CTestSlydraDlg& dlg, std::function<void(CBestScoresDlg*)> act = {})
    {
        QStringList texts;
        WhenModalOpens([&texts, act](QWidget* pModal) {
            auto* pDlg = qobject_cast<CBestScoresDlg*>(pModal);
            QVERIFY(pDlg);
            texts = BestScoresTexts(*pDlg);
            if (act)
                act(pDlg);
        });
        dlg.OnBestScores();
        return texts;
    }

    static void VerifyDefaultLevel(const CScoreTable& table, int nLevel)
    {
        QCOMPARE(table.m_nLeastMoves[nLevel], CScoreTable::kDefaultMoves);
        QCOMPARE(table.m_nFastestTime[nLevel], CScoreTable::kDefaultTime);
        QCOMPARE(table.m_strMovesName[nLevel], kAnonymous);
        QCOMPARE(table.m_strTimeName[nLevel], kAnonymous);
    }

private slots:
    void initTestCase() { m_env = new CTestEnvironment; }
    void cleanupTestCase() { delete m_env; }
    void init() { m_env->ClearSettings(); }

    // ---- completion ---------------------------------------------------------

    void bothRecordsFallAndOkStoresThemUnderTheTypedName()
    {
        CTestSlydraDlg dlg;
        const SCongratulations seen = Solve(dlg, 7, [](CCongratulationsDlg* pDlg) {
            QLineEdit* pName = pDlg->NameBox();
            pName->selectAll();
            QTest::keyClicks(pName, QStringLiteral("Petra"));
            QTest::mouseClick(pDlg->OkButton(), Qt::LeftButton);
        });
        QCOMPARE(dlg.m_questions, QStringList{Completed(QStringLiteral("00m07s"), 3)});
        QVERIFY(seen.bShown);
        QCOMPARE(seen.strLine1, QStringLiteral("Fastest time: 00m07s"));
        QCOMPARE(seen.strLine2, QStringLiteral("Least moves: 3"));
        QCOMPARE(seen.strLine3, QStringLiteral("For 3x3 level"));
        QCOMPARE(seen.strName, kAnonymous);

        QCOMPARE(dlg.m_scores.m_nLeastMoves[0], 3);
        QCOMPARE(dlg.m_scores.m_strMovesName[0], QStringLiteral("Petra"));
        QCOMPARE(dlg.m_scores.m_nFastestTime[0], 7);
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QStringLiteral("Petra"));
        VerifyDefaultLevel(dlg.m_scores, 1);
        VerifyDefaultLevel(dlg.m_scores, 2);
        QVERIFY(!dlg.m_bRunning);
    }

    void aNewMovesRecordAloneIsNamedOnTheMiddleLine()
    {
        CTestSlydraDlg dlg;
        dlg.m_scores.SetTimeRecord(0, 0, QStringLiteral("x"));
        const SCongratulations seen = Solve(dlg, 1, [](CCongratulationsDlg* pDlg) {
            QTest::mouseClick(pDlg->OkButton(), Qt::LeftButton);
        });
        QCOMPARE(dlg.m_questions, QStringList{Completed(QStringLiteral("00m01s"), 3)});
        QVERIFY(seen.bShown);
        QCOMPARE(seen.strLine1, QString());
        QCOMPARE(seen.strLine2, QStringLiteral("You used least moves, 3"));
        QCOMPARE(seen.strLine3, QStringLiteral("For 3x3 level"));

        QCOMPARE(dlg.m_scores.m_nLeastMoves[0], 3);
        QCOMPARE(dlg.m_scores.m_strMovesName[0], kAnonymous);
        QCOMPARE(dlg.m_scores.m_nFastestTime[0], 0);
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QStringLiteral("x"));
    }

    void aNewTimeRecordAloneLeavesAnEqualMovesRecordWithItsHolder()
    {
        CTestSlydraDlg dlg;
        dlg.m_scores.SetMovesRecord(0, 3, QStringLiteral("Keeper"));
        const SCongratulations seen = Solve(dlg, 4, [](CCongratulationsDlg* pDlg) {
            pDlg->NameBox()->selectAll();
            QTest::keyClicks(pDlg->NameBox(), QStringLiteral("Quick"));
            QTest::mouseClick(pDlg->OkButton(), Qt::LeftButton);
        });
        QVERIFY(seen.bShown);
        QCOMPARE(seen.strLine1, QString());
        QCOMPARE(seen.strLine2, QStringLiteral("You have the fastet time of 00m04s"));
        QCOMPARE(seen.strLine3, QStringLiteral("For 3x3 level"));

        QCOMPARE(dlg.m_scores.m_nLeastMoves[0], 3);
        QCOMPARE(dlg.m_scores.m_strMovesName[0], QStringLiteral("Keeper"));
        QCOMPARE(dlg.m_scores.m_nFastestTime[0], 4);
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QStringLiteral("Quick"));
    }

    void resultsThatOnlyEqualTheRecordsShowJustTheMessage()
    {
        CTestSlydraDlg dlg;
        dlg.m_scores.SetMovesRecord(0, 3, QStringLiteral("Mover"));
        dlg.m_scores.SetTimeRecord(0, 2, QStringLiteral("Timer"));
        dlg.StartKnownGame();
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
        dlg.Tap(0, 2);
        dlg.Tap(1, 2);
        {
            CModalWatch watch;
            dlg.Tap(2, 2);
            QCoreApplication::processEvents();
            QCOMPARE(watch.m_titles, QStringList());
        }
        QCOMPARE(dlg.m_questions, QStringList{Completed(QStringLiteral("00m02s"), 3)});
        QVERIFY(!dlg.m_bRunning);
        QCOMPARE(dlg.m_scores.m_nLeastMoves[0], 3);
        QCOMPARE(dlg.m_scores.m_strMovesName[0], QStringLiteral("Mover"));
        QCOMPARE(dlg.m_scores.m_nFastestTime[0], 2);
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QStringLiteral("Timer"));
        VerifyDefaultLevel(dlg.m_scores, 1);
        VerifyDefaultLevel(dlg.m_scores, 2);
    }

    void theRecordsOfLargerGridsGoToTheirOwnLevel()
    {
        CTestSlydraDlg dlg;
        for (const int nSize : {4, 5}) {
            CSettings::PutDims(nSize);
            dlg.m_options = [] { return true; };
            dlg.OnOptions();
            QCOMPARE(dlg.m_board.m_nSize, nSize);
            dlg.m_nMoves = 100 + nSize;
            dlg.m_nSeconds = 3600 + nSize;  // beats only the moves record
            SCongratulations seen;
            WhenModalOpens([&seen](QWidget* pModal) {
                auto* pDlg = qobject_cast<CCongratulationsDlg*>(pModal);
                QVERIFY(pDlg);
                seen.bShown = true;
                seen.strLine2 = pDlg->Line(2)->text();
                seen.strLine3 = pDlg->Line(3)->text();
            });
            dlg.OnGridCompleted();
            QVERIFY(seen.bShown);
            QCOMPARE(seen.strLine2, QStringLiteral("You used least moves, %1").arg(100 + nSize));
            QCOMPARE(seen.strLine3, QStringLiteral("For %1x%1 level").arg(nSize));
            QCOMPARE(dlg.m_scores.m_nLeastMoves[nSize - 3], 100 + nSize);
            QCOMPARE(dlg.m_scores.m_nFastestTime[nSize - 3], CScoreTable::kDefaultTime);
        }
        QCOMPARE(dlg.m_questions.last(), Completed(QStringLiteral("01h00m05s"), 105));
        VerifyDefaultLevel(dlg.m_scores, 0);
    }

    void anEmptiedNameIsStoredEmptyAndShownAsAnEmptyLabel()
    {
        CTestSlydraDlg dlg;
        Solve(dlg, 1, [](CCongratulationsDlg* pDlg) {
            pDlg->NameBox()->selectAll();
            QTest::keyClick(pDlg->NameBox(), Qt::Key_Backspace);
            QVERIFY(pDlg->NameBox()->text().isEmpty());
            QTest::mouseClick(pDlg->OkButton(), Qt::LeftButton);
        });
        QCOMPARE(dlg.m_scores.m_strMovesName[0], QString());
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QString());

        QStringList expected = DefaultTexts();
        expected[0] = QString();
        expected[1] = QStringLiteral("3");
        expected[6] = QString();
        expected[7] = QStringLiteral("00m01s");
        QCOMPARE(ShowBestScores(dlg), expected);
    }

    // The name box has the focus on opening with its text selected, so the
    // player types over "Anonymous" and confirms with Return.
    void typingAndReturnConfirmTheName()
    {
        CTestSlydraDlg dlg;
        bool bTypedIntoName = false;
        const SCongratulations seen = Solve(dlg, 1, [&bTypedIntoName](CCongratulationsDlg* pDlg) {
            QWidget* pFocus = QApplication::focusWidget();
            bTypedIntoName = pFocus == pDlg->NameBox();
            QTest::keyClicks(pFocus, QStringLiteral("Ola"));
            QTest::keyClick(pFocus, Qt::Key_Return);
            QVERIFY(pDlg->isHidden());
            QCOMPARE(pDlg->result(), int(QDialog::Accepted));
        });
        QVERIFY(seen.bShown);
        QVERIFY(seen.bNameFocused);
        QVERIFY(bTypedIntoName);
        QCOMPARE(dlg.m_scores.m_strMovesName[0], QStringLiteral("Ola"));
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QStringLiteral("Ola"));
    }

    void cancelKeepsAnonymousAndStillStoresTheRecords()
    {
        CTestSlydraDlg dlg;
        Solve(dlg, 2, [](CCongratulationsDlg* pDlg) {
            pDlg->NameBox()->selectAll();
            QTest::keyClicks(pDlg->NameBox(), QStringLiteral("Ignored"));
            QTest::mouseClick(pDlg->CancelButton(), Qt::LeftButton);
            QVERIFY(pDlg->isHidden());
            QCOMPARE(pDlg->result(), int(QDialog::Rejected));
        });
        QCOMPARE(dlg.m_scores.m_nLeastMoves[0], 3);
        QCOMPARE(dlg.m_scores.m_strMovesName[0], kAnonymous);
        QCOMPARE(dlg.m_scores.m_nFastestTime[0], 2);
        QCOMPARE(dlg.m_scores.m_strTimeName[0], kAnonymous);
    }

    void theNameBoxAsksForTheSoftKeyboardWhileItHasTheFocus()
    {
        // Only a platform with an input panel can show whether it came up.
        QInputMethod* pInput = QGuiApplication::inputMethod();
        pInput->show();
        const bool bTracked = pInput->isVisible();
        pInput->hide();
        if (!bTracked)
            QSKIP("this platform has no input panel: QInputMethod::show() leaves isVisible() false and never "
                  "emits visibleChanged, so a request cannot be observed");

        CTestSlydraDlg dlg;
        QSignalSpy spy(pInput, &QInputMethod::visibleChanged);
        bool bUpWithName = false;
        bool bDownWithCancel = true;
        Solve(dlg, 1, [&](CCongratulationsDlg* pDlg) {
            pDlg->NameBox()->setFocus(Qt::MouseFocusReason);
            bUpWithName = pInput->isVisible();
            pDlg->CancelButton()->setFocus(Qt::MouseFocusReason);
            bDownWithCancel = !pInput->isVisible();
        });
        QVERIFY(bUpWithName);
        QVERIFY(bDownWithCancel);
        QVERIFY(spy.count() >= 2);
    }

    // ---- Best Scores ----------------------------------------------------------

    void bestScoresShowsTheDefaultsInAllTwelveControls()
    {
        CTestSlydraDlg dlg;
        QCOMPARE(ShowBestScores(dlg), DefaultTexts());
    }

    void markupInANameIsShownAsItsCharacters()
    {
        const QString strMarkup = QStringLiteral("<b>bold</b>");
        CTestSlydraDlg dlg;
        dlg.m_scores.SetMovesRecord(1, 40, strMarkup);
        int nHintWidth = 0;
        int nTextWidth = 0;
        const QStringList texts = ShowBestScores(dlg, [&](CBestScoresDlg* pDlg) {
            QLabel* pLabel = pDlg->MovesNameLabel(1);
            nHintWidth = pLabel->sizeHint().width();
            nTextWidth = pLabel->fontMetrics().horizontalAdvance(strMarkup);
        });
        QCOMPARE(texts[2], strMarkup);
        QCOMPARE(texts[3], QStringLiteral("40"));
        // As rich text only "bold" would be laid out.
        QVERIFY2(nHintWidth >= nTextWidth, qPrintable(QStringLiteral("%1 < %2").arg(nHintWidth).arg(nTextWidth)));
    }

    void resetScoresSwitchesEveryControlAndCancelKeepsTheReset()
    {
        auto pDlg = std::make_unique<CTestSlydraDlg>();
        for (int level = 0; level < CScoreTable::kLevels; ++level) {
            pDlg->m_scores.SetMovesRecord(level, 10 + level, QStringLiteral("M%1").arg(level));
            pDlg->m_scores.SetTimeRecord(level, 20 + level, QStringLiteral("T%1").arg(level));
        }
        QStringList afterReset;
        const QStringList before = ShowBestScores(*pDlg, [&afterReset](CBestScoresDlg* pBest) {
            QTest::mouseClick(pBest->ResetButton(), Qt::LeftButton);
            afterReset = BestScoresTexts(*pBest);
            QTest::mouseClick(pBest->CancelButton(), Qt::LeftButton);
            QVERIFY(pBest->isHidden());
        });
        QCOMPARE(before, (QStringList{"M0", "10", "M1", "11", "M2", "12", "T0", "00m20s", "T1", "00m21s", "T2",
                                      "00m22s"}));
        QCOMPARE(afterReset, DefaultTexts());
        for (int level = 0; level < CScoreTable::kLevels; ++level)
            VerifyDefaultLevel(pDlg->m_scores, level);
        QCOMPARE(ShowBestScores(*pDlg), DefaultTexts());

        // The reset reaches the file at the end of the run.
        pDlg.reset();
        QFile file(CScoreTable::DefaultPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), DefaultStatsBytes());
    }

    void viewingTwiceShowsTheSameAndChangesNothing()
    {
        CTestSlydraDlg dlg;
        dlg.m_scores.SetMovesRecord(2, 77, QStringLiteral("Five"));
        dlg.m_scores.SetTimeRecord(0, 3725, QStringLiteral("Slow"));

        // The first time through the Tools menu, as the player opens it.
        QAction* pBestScores = nullptr;
        for (QAction* pAction : dlg.findChild<QMenuBar*>()->findChildren<QAction*>()) {
            if (pAction->text() == QStringLiteral("Best Scores..."))
                pBestScores = pAction;
        }
        QVERIFY(pBestScores);
        QStringList first;
        WhenModalOpens([&first](QWidget* pModal) {
            auto* pDlg = qobject_cast<CBestScoresDlg*>(pModal);
            QVERIFY(pDlg);
            first = BestScoresTexts(*pDlg);
            QTest::mouseClick(pDlg->OkButton(), Qt::LeftButton);
        });
        pBestScores->trigger();

        const QStringList second = ShowBestScores(dlg);
        QCOMPARE(first, second);
        QCOMPARE(first[4], QStringLiteral("Five"));
        QCOMPARE(first[5], QStringLiteral("77"));
        QCOMPARE(first[6], QStringLiteral("Slow"));
        QCOMPARE(first[7], QStringLiteral("01h02m05s"));
        QCOMPARE(dlg.m_scores.m_nLeastMoves[2], 77);
        QCOMPARE(dlg.m_scores.m_strTimeName[0], QStringLiteral("Slow"));
        VerifyDefaultLevel(dlg.m_scores, 1);
    }

    void theClockKeepsCountingWhileBestScoresIsOpen()
    {
        CTestSlydraDlg dlg;
        dlg.OnNewGame();
        const std::vector<int> cells = dlg.m_board.m_cells;
        QString strTimeInside;
        QStringList after;
        ShowBestScores(dlg, [&](CBestScoresDlg* pDlg) {
            dlg.OnTimer(CSlydraDlg::kClockTimerId);
            dlg.OnTimer(CSlydraDlg::kClockTimerId);
            strTimeInside = dlg.m_wndTime->text();
            after = BestScoresTexts(*pDlg);
        });
        QCOMPARE(strTimeInside, QStringLiteral("00m02s"));
        QCOMPARE(after, DefaultTexts());
        QCOMPARE(dlg.m_nSeconds, 2);
        QVERIFY(dlg.m_bRunning);
        QVERIFY(dlg.Ticking(CSlydraDlg::kClockTimerId));
        QCOMPARE(dlg.m_board.m_cells, cells);
        QVERIFY(dlg.m_questions.isEmpty());
    }

    // ---- between runs -------------------------------------------------------

    void aRecordSetInOneRunIsShownInTheNext()
    {
        QVERIFY(!QFile::exists(CScoreTable::DefaultPath()));
        {
            auto pDlg = std::make_unique<CTestSlydraDlg>();
            Solve(*pDlg, 5, [](CCongratulationsDlg* pCongrats) {
                pCongrats->NameBox()->selectAll();
                QTest::keyClicks(pCongrats->NameBox(), QStringLiteral("Runa"));
                QTest::mouseClick(pCongrats->OkButton(), Qt::LeftButton);
            });
            QCOMPARE(pDlg->m_scores.m_strMovesName[0], QStringLiteral("Runa"));
        }
        QVERIFY(QFile::exists(CScoreTable::DefaultPath()));

        CTestSlydraDlg next;
        QStringList expected = DefaultTexts();
        expected[0] = QStringLiteral("Runa");
        expected[1] = QStringLiteral("3");
        expected[6] = QStringLiteral("Runa");
        expected[7] = QStringLiteral("00m05s");
        QCOMPARE(ShowBestScores(next), expected);
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
