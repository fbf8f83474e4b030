#include "TestSupport.h"

#include "options/Settings.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QString kAnonymous = QStringLiteral("Anonymous");

QString Completed(const QString& strTime, int nMoves)
{
    return QStringLiteral("Grid Completed: Congratulations, you have successfully completed the grid in a time of "
                          "%1 from %2 moves").arg(strTime).arg(nMoves);
}

QStringList Lines(const CCongratulationsDlg& dlg)
{
    return {dlg.Line(1)->text(), dlg.Line(2)->text(), dlg.Line(3)->text()};
}

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

// The twelve texts of the defaults, with those of the 3x3 level replaced by
// level0 (moves holder, moves, time holder, time) when given.
QStringList DefaultTexts(const QStringList& level0 = {})
{
    QStringList texts{kAnonymous, "9999", kAnonymous, "9999", kAnonymous, "9999",
                      kAnonymous, "59m59s", kAnonymous, "59m59s", kAnonymous, "59m59s"};
    for (int i = 0; i < level0.size(); ++i)
        texts[i < 2 ? i : i + 4] = level0[i];
    return texts;
}

// Plays the known game to the end in three moves and nSeconds seconds; act,
// when given, works on the Congratulations dialog, closed afterwards.
void Solve(CTestSlydraDlg& dlg, int nSeconds, std::function<void(CCongratulationsDlg*)> act = {})
{
    dlg.StartKnownGame();
    if (QTest::currentTestFailed())
        return;
    for (int tick = 0; tick < nSeconds; ++tick)
        dlg.OnTimer(CSlydraDlg::kClockTimerId);
    dlg.Tap(0, 2);
    dlg.Tap(1, 2);
    if (act)
        WhenDialogOpens(act);
    dlg.Tap(2, 2);
}

// Opens the Best Scores dialog from the Tools menu, as the player does, and
// returns its texts on opening; act works on it, and it is closed afterwards.
QStringList ShowBestScores(CTestSlydraDlg& dlg, std::function<void(CBestScoresDlg*)> act = {})
{
    QStringList texts;
    WhenDialogOpens<CBestScoresDlg>([&texts, act](CBestScoresDlg* pDlg) {
        texts = BestScoresTexts(*pDlg);
        if (act)
            act(pDlg);
    });
    for (QAction* pAction : dlg.findChild<QMenuBar*>()->findChildren<QAction*>()) {
        if (pAction->text() == QStringLiteral("Best Scores..."))
            pAction->trigger();
    }
    return texts;
}

// Records what the dialog asks of the on-screen keyboard.
class CPanelWatchingDlg : public CCongratulationsDlg
{
public:
    QList<bool> m_requests;

protected:
    void ShowInputPanel(bool bShow) override { m_requests << bShow; }
};

} // namespace

class ScoresTest : public CWidgetTest
{
    Q_OBJECT

private slots:
    void aCompletedGridIsMeasuredAgainstTheRecords_data()
    {
        QTest::addColumn<int>("moves");    // 3x3 records before the game: "Mover" and "Timer" unless defaults
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("seconds");  // taken by the game of 3 moves
        QTest::addColumn<QString>("typed");  // over the name, selected and focused on opening
        QTest::addColumn<QString>("close");  // "OK", "Return" or "Cancel"
        QTest::addColumn<QStringList>("lines");  // of the Congratulations dialog; none when it must not open
        QTest::addColumn<QStringList>("best");   // 3x3 texts of Best Scores afterwards, in this run and the next

        const auto bothFell = [](const QString& strTime) {
            return QStringList{"Fastest time: " + strTime, "Least moves: 3", "For 3x3 level"};
        };
        QTest::newRow("both fall") << 9999 << 3599 << 7 << "Petra" << "OK" << bothFell("00m07s")
                                   << QStringList{"Petra", "3", "Petra", "00m07s"};
        QTest::newRow("moves alone, named on the middle line")
            << 9999 << 0 << 1 << "" << "OK" << QStringList{"", "You used least moves, 3", "For 3x3 level"}
            << QStringList{kAnonymous, "3", "Timer", "00m00s"};
        QTest::newRow("time alone, equal moves keep their holder")
            << 3 << 3599 << 4 << "Quick" << "OK"
            << QStringList{"", "You have the fastet time of 00m04s", "For 3x3 level"}
            << QStringList{"Mover", "3", "Quick", "00m04s"};
        QTest::newRow("equal to both: the message alone")
            << 3 << 2 << 2 << "" << "" << QStringList() << QStringList{"Mover", "3", "Timer", "00m02s"};
        QTest::newRow("Cancel stores Anonymous") << 9999 << 3599 << 2 << "Ignored" << "Cancel" << bothFell("00m02s")
                                                 << QStringList{kAnonymous, "3", kAnonymous, "00m02s"};
        QTest::newRow("emptied name") << 9999 << 3599 << 1 << "\b" << "OK" << bothFell("00m01s")
                                      << QStringList{"", "3", "", "00m01s"};
        QTest::newRow("Return") << 9999 << 3599 << 1 << "Ola" << "Return" << bothFell("00m01s")
                                << QStringList{"Ola", "3", "Ola", "00m01s"};
    }

    void aCompletedGridIsMeasuredAgainstTheRecords()
    {
        QFETCH(int, moves);
        QFETCH(int, time);
        QFETCH(int, seconds);
        QFETCH(QString, typed);
        QFETCH(QString, close);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, best);
        {
            CTestSlydraDlg dlg;
            if (moves < CScoreTable::kDefaultMoves)
                dlg.m_scores.SetMovesRecord(0, moves, QStringLiteral("Mover"));
            if (time < CScoreTable::kDefaultTime)
                dlg.m_scores.SetTimeRecord(0, time, QStringLiteral("Timer"));
            QStringList shown;
            if (lines.isEmpty()) {
                CDialogCounter counter;
                Solve(dlg, seconds);
                QCoreApplication::processEvents();
                QCOMPARE(counter.m_nShown, 0);
            } else {
                Solve(dlg, seconds, [&](CCongratulationsDlg* pDlg) {
                    shown = Lines(*pDlg);
                    QLineEdit* pName = pDlg->NameBox();
                    QTRY_COMPARE(QApplication::focusWidget(), pName);  // once the window is active
                    QCOMPARE(pName->selectedText(), kAnonymous);
                    QTest::keyClicks(pName, typed);
                    if (close == QStringLiteral("Return"))
                        QTest::keyClick(pName, Qt::Key_Return);
                    else
                        QTest::mouseClick(close == QStringLiteral("OK") ? pDlg->OkButton() : pDlg->CancelButton(),
                                          Qt::LeftButton);
                    QVERIFY(pDlg->isHidden());
                    QCOMPARE(pDlg->result(), int(close == QStringLiteral("Cancel") ? QDialog::Rejected
                                                                                  : QDialog::Accepted));
                });
            }
            QCOMPARE(shown, lines);
            const QString strTime = QStringLiteral("00m%1s").arg(seconds, 2, 10, QChar('0'));
            QCOMPARE(dlg.m_questions, QStringList{Completed(strTime, 3)});
            QVERIFY(!dlg.m_bRunning);
            QCOMPARE(ShowBestScores(dlg), DefaultTexts(best));
        }
        CTestSlydraDlg next;
        QCOMPARE(ShowBestScores(next), DefaultTexts(best));
    }

    void theRecordsOfLargerGridsGoToTheirOwnLevel()
    {
        for (const int nSize : {4, 5}) {
            CSettings::PutDims(nSize);
            CTestSlydraDlg dlg;
            QCOMPARE(dlg.m_board.m_nSize, nSize);
            dlg.m_nMoves = 100 + nSize;
            dlg.m_nSeconds = 3600 + nSize;  // beats only the moves record
            QStringList shown;
            WhenDialogOpens<CCongratulationsDlg>([&shown](CCongratulationsDlg* pDlg) { shown = Lines(*pDlg); });
            dlg.OnGridCompleted();
            QCOMPARE(shown, (QStringList{QString(), QStringLiteral("You used least moves, %1").arg(100 + nSize),
                                         QStringLiteral("For %1x%1 level").arg(nSize)}));
            QCOMPARE(dlg.m_questions, QStringList{Completed(QStringLiteral("01h00m0%1s").arg(nSize), 100 + nSize)});
        }
        CTestSlydraDlg next;
        QStringList expected = DefaultTexts();
        expected[3] = QStringLiteral("104");
        expected[5] = QStringLiteral("105");
        QCOMPARE(ShowBestScores(next), expected);
    }

    void theNameBoxAsksForTheSoftKeyboardWhileItHasTheFocus()
    {
        CPanelWatchingDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.CancelButton()->setFocus(Qt::MouseFocusReason);
        dlg.m_requests.clear();
        dlg.NameBox()->setFocus(Qt::MouseFocusReason);
        QCOMPARE(dlg.m_requests, QList<bool>{true});
        dlg.CancelButton()->setFocus(Qt::MouseFocusReason);
        QCOMPARE(dlg.m_requests, (QList<bool>{true, false}));
    }

    // Every record in its control, the same each time; Reset switches every
    // control to the defaults, and Cancel does not undo it.
    void bestScoresShowsTheRecordsAndResetsThem()
    {
        const QString strMarkup = QStringLiteral("<b>bold</b>");
        CTestSlydraDlg dlg;
        QCOMPARE(ShowBestScores(dlg), DefaultTexts());
        dlg.m_scores.SetMovesRecord(0, 10, QStringLiteral("M0"));
        dlg.m_scores.SetMovesRecord(1, 40, strMarkup);
        dlg.m_scores.SetMovesRecord(2, 77, QStringLiteral("Five"));
        dlg.m_scores.SetTimeRecord(0, 3725, QStringLiteral("Slow"));
        dlg.m_scores.SetTimeRecord(1, 21, QStringLiteral("T1"));
        dlg.m_scores.SetTimeRecord(2, 22, QStringLiteral("T2"));
        const QStringList expected{"M0",   "10",        strMarkup, "40",     "Five", "77",
                                   "Slow", "01h02m05s", "T1",      "00m21s", "T2",   "00m22s"};
        int nHintWidth = 0;
        int nTextWidth = 0;
        QCOMPARE(ShowBestScores(dlg, [&](CBestScoresDlg* pDlg) {
                     // As rich text only "bold" would be laid out.
                     nHintWidth = pDlg->MovesNameLabel(1)->sizeHint().width();
                     nTextWidth = pDlg->MovesNameLabel(1)->fontMetrics().horizontalAdvance(strMarkup);
                     QTest::mouseClick(pDlg->OkButton(), Qt::LeftButton);
                 }),
                 expected);
        QVERIFY2(nHintWidth >= nTextWidth, qPrintable(QStringLiteral("%1 < %2").arg(nHintWidth).arg(nTextWidth)));

        QStringList afterReset;
        QCOMPARE(ShowBestScores(dlg, [&afterReset](CBestScoresDlg* pDlg) {
                     QTest::mouseClick(pDlg->ResetButton(), Qt::LeftButton);
                     afterReset = BestScoresTexts(*pDlg);
                     QTest::mouseClick(pDlg->CancelButton(), Qt::LeftButton);
                     QVERIFY(pDlg->isHidden());
                 }),
                 expected);
        QCOMPARE(afterReset, DefaultTexts());
        QCOMPARE(ShowBestScores(dlg), DefaultTexts());
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
