#include "Harness.h"

#include "app/SlydraApp.h"
#include "options/OptionsDlg.h"
#include "scores/CongratulationsDlg.h"

#include <csignal>

// The 3x3 records on disk, and the window that notes them whenever it shows a message.
static QString Stored(const SStatsRecords& r) {
    return QStringLiteral("%1 %2, %3 %4").arg(r.leastMoves[0]).arg(r.movesName[0]).arg(r.fastestTime[0])
        .arg(r.timeName[0]);
}
struct CDiskDlg : CTestDlg {
    QStringList m_onDisk;
    QMessageBox::StandardButton MessageBox(const QString& strText, const QString& strCaption,
                                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) override {
        m_onDisk << Stored(StatsOnDisk());
        return CTestDlg::MessageBox(strText, strCaption, buttons, icon);
    }
};

// A game as the player runs it: the commands, taps and clock, the end of a
// game and its records, the end of the program by a signal, and a settings or
// stats file that is no regular file.
class PlayTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QString State(CTestDlg& d) {
        return QStringLiteral("%1 %2 %3, moves %4 '%5', time %6 '%7', clock %8, slide %9")
                   .arg(QString::number(d.m_board.m_nSize), d.m_board.IsSolved() ? "home" : "mixed", d.m_bRunning ? "running" : "idle",
                        QString::number(d.m_nMoves), d.m_wndMoves->text(), QString::number(d.m_nSeconds), d.m_wndTime->text(),
                        d.m_timers.count(1) ? "on" : "off", d.m_timers.count(2) ? "on" : "off")
            + QStringLiteral(", asked %1, options %2").arg(d.m_asked.size()).arg(d.m_nOptionsRun);
    }

    // A tile next to the blank.
    static void TapNearBlank(CTestDlg& d) { int r = 0, c = 0; d.m_board.FindBlank(r, c), d.Tap(r, c > 0 ? c - 1 : c + 1); }

    // Runs the player's steps: New, Options, About, Best Scores, answers,
    // clock and slide ticks, taps; 'c' closes the next dialog that opens.
    static void Play(CTestDlg& d, const QString& steps) {
        for (const QChar step : steps) {
            switch (step.toLatin1()) {
            case 'N': d.OnNewGame(); break;
            case 'O': d.OnOptions(); break;
            case 'A': d.OnAbout(); break;
            case 'B': d.OnBestScores(); break;
            case 'c': WhenModalOpens(&d, [](QWidget*) {}); break;
            case 'K': d.StartKnownGame(), d.m_options = [] { return false; }; break;
            case 'W': d.Tap(0, 2), d.Tap(1, 2), d.Tap(2, 2); break;
            case 'i': d.StopClock(); break;
            case 'a': CSettings::PutUseAnim(true); break;
            case 'f': CSettings::PutUseAnim(false); break;
            case 'y': d.m_answer = QMessageBox::Yes; break;
            case 'n': d.m_answer = QMessageBox::No; break;
            case 't': d.OnTimer(1); break;
            case 's': d.OnTimer(2); break;
            case 'h': d.m_nSeconds = 3599; break;
            case 'm': TapNearBlank(d); break;
            case 'x': QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(4 + 4 * 58, 10)); break;
            case 'l': QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(2, 10)); break;
            }
        }
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }
    void init() { ForgetEverything(); }

    void commands_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const QString home = QStringLiteral("4 home idle, moves 0 '0', time 0 '00m00s', clock off, slide off");
        const QString fresh = QStringLiteral("4 mixed running, moves 0 '0', time 0 '00m00s', clock on, slide off");
        const QString moved = QStringLiteral("4 mixed running, moves 1 '1', time 0 '00m00s', clock on, slide ");
        QTest::newRow("start") << "" << home + ", asked 0, options 0";
        QTest::newRow("idle taps slide uncounted") << "m" << "4 mixed idle, moves 0 '0', time 0 '00m00s', clock off, slide off, asked 0, options 0";
        QTest::newRow("new game") << "N" << fresh + ", asked 0, options 0";
        QTest::newRow("moves and ticks count") << "Nmtt" << "4 mixed running, moves 1 '1', time 2 '00m02s', clock on, slide off, asked 0, options 0";
        QTest::newRow("a tap off the board") << "Nx" << fresh + ", asked 0, options 0";
        QTest::newRow("the left margin is column 0") << "Kl" << "3 mixed running, moves 1 '1', time 0 '00m00s', clock on, slide off, asked 0, options 1";
        QTest::newRow("New, answered No") << "NmnN" << moved + "off, asked 1, options 0";
        QTest::newRow("New, answered Yes") << "NmyN" << fresh + ", asked 1, options 0";
        QTest::newRow("Options, answered No") << "NmnO" << moved + "off, asked 1, options 0";
        QTest::newRow("Options, answered Yes") << "NmtyO" << home + ", asked 1, options 1";
        QTest::newRow("Options when idle") << "mO" << home + ", asked 0, options 1";
        QTest::newRow("the hour") << "Nht" << "4 mixed running, moves 0 '0', time 3600 '01h00m00s', clock on, slide off, asked 0, options 0";
        QTest::newRow("idle clock stands") << "tt" << home + ", asked 0, options 0";
        QTest::newRow("About and Best Scores") << "NcAcBt" << "4 mixed running, moves 0 '0', time 1 '00m01s', clock on, slide off, asked 0, options 0";
        QTest::newRow("a tap during a slide") << "Namm" << moved + "on, asked 0, options 0";
        QTest::newRow("a slide after an animated one") << "Namssssfm" << "4 mixed running, moves 2 '2', time 0 '00m00s', clock on, slide off, asked 0, options 0";
        QTest::newRow("after a win, idle") << "KcWmN" << "3 mixed running, moves 0 '0', time 0 '00m00s', clock on, slide off, asked 1, options 1";
        QTest::newRow("a slide's last frame") << "Namssssm" << "4 mixed running, moves 2 '2', time 0 '00m00s', clock on, slide on, asked 0, options 0";
    }

    void commands() {
        QFETCH(QString, steps);
        CSettings::PutUseAnim(false);
        CTestDlg d;
        d.m_options = [] { return false; };
        Play(d, steps);
        QTEST(State(d), "state");
    }

    // The known 3x3 game won in 3 moves and 40 seconds against the records
    // on disk: what they are while the completion message is open, then
    // after the name, before the window closes.
    void completion_data() {
        QTest::addColumn<int>("recordMoves");
        QTest::addColumn<int>("recordSeconds");
        QTest::addColumn<QString>("typed");  // null: Cancel
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("stored");
        const QStringList both = {"Fastest time: 00m40s", "Least moves: 3", "For 3x3 level"};
        const QString anon = QStringLiteral("3 Anonymous, 40 Anonymous | ");
        QTest::newRow("both records") << 9999 << 3599 << "Ada" << both << anon + "3 Ada, 40 Ada";
        QTest::newRow("an emptied name") << 9999 << 3599 << "" << both << anon + "3 , 40 ";
        QTest::newRow("Cancel") << 9999 << 3599 << QString() << both << anon + "3 Anonymous, 40 Anonymous";
        QTest::newRow("moves only") << 4 << 40 << "Ada" << QStringList{"", "You used least moves, 3", "For 3x3 level"}
                                    << "3 Anonymous, 40 Bo | 3 Ada, 40 Bo";
        QTest::newRow("time only; equal moves") << 3 << 41 << "Ada"
            << QStringList{"", "You have the fastet time of 00m40s", "For 3x3 level"} << "3 Bo, 40 Anonymous | 3 Bo, 40 Ada";
        QTest::newRow("neither") << 3 << 40 << "Ada" << QStringList() << "3 Bo, 40 Bo | 3 Bo, 40 Bo";
    }

    void completion() {
        QFETCH(int, recordMoves);
        QFETCH(int, recordSeconds);
        QFETCH(QString, typed);
        const QString anon = QStringLiteral("Anonymous");
        Make(CScoreTable::DefaultPath(), "", CStatsCodec::Encode({{recordMoves, 9999, 9999}, {recordSeconds, 3599, 3599}, {"Bo", anon, anon}, {"Bo", anon, anon}}));
        CDiskDlg d;
        d.StartKnownGame(), d.m_nSeconds = 40;
        QStringList lines;
        WhenModalOpens(&d, [&](QWidget* pModal) {
            auto* pDlg = qobject_cast<CCongratulationsDlg*>(pModal);
            lines << pDlg->Line(1)->text() << pDlg->Line(2)->text() << pDlg->Line(3)->text();
            QCOMPARE(pDlg->NameBox()->selectedText(), QStringLiteral("Anonymous"));
            pDlg->NameBox()->setText(typed);
            (typed.isNull() ? pDlg->CancelButton() : pDlg->OkButton())->click();
        });
        Play(d, "W");
        QCOMPARE(d.m_asked, QStringList{QStringLiteral("Grid Completed: Congratulations, you have successfully "
                                                       "completed the grid in a time of 00m40s from 3 moves")});
        QTEST(lines, "lines");
        QTEST(d.m_onDisk.join(" | ") + " | " + Stored(StatsOnDisk()), "stored");
    }

    // A file where the data folder belongs: the game goes on, one message
    // after the name says where and why, and the file stays as it was.
    void refusedSave() {
        const QString folder = m_dir.filePath(QStringLiteral("data/Brevik/Slydra"));
        QDir(folder).removeRecursively();
        Make(folder, "", "not a folder");
        {
            CTestDlg d;
            d.StartKnownGame();
            Play(d, "cW");
            QCOMPARE(d.m_asked.mid(1), QStringList("Slydra: The records could not be saved to " + folder
                                                   + "/Stats.bin: its folder cannot be created. Slydra will try again "
                                                     "when a record changes and when it closes."));
        }
        QCOMPARE(QFileInfo(folder).size(), 12);
        QFile::remove(folder);
    }

    // Qt's own timers: the clock ticks, and a slide's frames come by themselves.
    void realTimers() {
        CTestDlg d;
        d.m_bRealTimers = true, Play(d, "Nam");
        QTRY_COMPARE_WITH_TIMEOUT(d.m_nSeconds, 1, 5000);
        Play(d, "m");
        QCOMPARE(d.m_nMoves, 2);
    }

    // One signal, whatever is open: the dialogs close, none opens on the
    // way out, the window closes, and a game won just before keeps its record.
    void signalEndsTheProgram_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("holder");
        QTest::newRow("resign question from New") << "N" << QStringList{"Slydra"} << "";
        QTest::newRow("resign question from Options") << "O" << QStringList{"Slydra"} << "";
        QTest::newRow("Options") << "iO" << QStringList{"Options"} << "";
        QTest::newRow("About") << "A" << QStringList{"About"} << "";
        QTest::newRow("Best Scores") << "B" << QStringList{"Best Scores"} << "";
        QTest::newRow("completion message") << "W" << QStringList{"Grid Completed"} << "Anonymous";
        QTest::newRow("Congratulations") << "W" << QStringList{"Grid Completed", "Congratulations"} << "Ada";
    }

    void signalEndsTheProgram() {
        QFETCH(QString, steps);
        QFETCH(QStringList, shown);
        CTestDlg d;
        d.StartKnownGame(), d.m_bRealBoxes = true;
        QStringList seen;
        QTimer watch;
        watch.callOnTimeout([&] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (!pModal || pModal == &d || !pModal->isVisible() || seen.value(seen.size() - 1) == pModal->windowTitle())
                return;
            seen << pModal->windowTitle();
            if (seen.size() < shown.size())
                return static_cast<QDialog*>(pModal)->accept();
            if (auto* pName = pModal->findChild<QLineEdit*>())
                pName->setText(QStringLiteral("Ada"));
            ::raise(SIGTERM);
        });
        watch.start(5);
        QTimer::singleShot(0, &d, [&] { Play(d, steps); });
        QTimer::singleShot(20000, &d, &QDialog::reject);
        CSlydraApp::RunMainWindow(d);
        QCOMPARE(seen, shown);
        QTEST(StatsOnDisk().movesName[0], "holder");
    }

    // A stats or settings file that is no regular file: the window comes up
    // (a blocked read would end the test by its timeout), Options works for
    // the run, the program ends in order, and the thing is left in place.
    void notAFile_data() {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "/dev/zero", "folder"})
            QTest::addRow("Stats.bin: %s", kind) << false << kind, QTest::addRow("Slydra.conf: %s", kind) << true << kind;
    }

    void notAFile() {
        QFETCH(bool, settings);
        QFETCH(QString, kind);
        const QString thingPath = settings ? m_dir.filePath(QStringLiteral("config/Brevik/Slydra.conf")) : CScoreTable::DefaultPath();
        Make(thingPath, kind);
        {
            CTestDlg d;
            WhenModalOpens(&d, [](QWidget* pModal) {
                auto* pOptions = qobject_cast<COptionsDlg*>(pModal);
                pOptions->GridSizeBox()->setCurrentIndex(2), emit pOptions->GridSizeBox()->activated(2);
                pOptions->OkButton()->click();
            });
            d.OnOptions();
            QCOMPARE(d.m_board.m_nSize, 5);
        }
        const QFileInfo thing(thingPath);
        QVERIFY(thing.isSymLink() ? thing.symLinkTarget() == kind : thing.exists() && !thing.isFile());
        QFile::remove(thingPath) || QDir(thingPath).removeRecursively();
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
