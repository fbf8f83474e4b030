#include "Harness.h"

#include "app/SlydraApp.h"
#include "app/Translations.h"
#include "app/StatusRow.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"

#include <csignal>

// A game as the player runs it: the commands, taps and clock, the end of a
// game and its records, the end of the program by a signal, and a settings or
// stats file that is no regular file.
class PlayTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QString State(CTestDlg& d) {
        const CBoard& board = d.Game().Board();
        return QStringLiteral("%1 %2 %3, moves '%4', time '%5', slide %6, asked %7, page %8%9")
            .arg(board.m_nSize).arg(board.IsSolved() ? "home" : "mixed").arg(d.Game().IsRunning() ? "running" : "idle")
            .arg(d.Label("moves"), d.Label("time"), d.BoardView().IsSliding() ? "on" : "off").arg(d.m_asked.size())
            .arg(d.Page() ? d.Page()->windowTitle() : "none", d.isVisible() ? "" : ", closed");
    }

    // A tile next to the blank.
    static int CellNearBlank(CTestDlg& d) {
        const int blank = d.BlankCell();
        return blank % d.Game().Board().m_nSize > 0 ? blank - 1 : blank + 1;
    }

    // Runs the player's steps: New, Options, About, Best Scores, answers,
    // clock ticks and slide frames, taps and keys; 'c' closes the page or box that is open.
    static void Play(CTestDlg& d, const QString& steps) {
        const QHash<QChar, std::function<void()>> actions = {
            {'N', [&] { d.OnNewGame(); }},
            {'O', [&] { d.OnOptions(); }},
            {'A', [&] { d.OnAbout(); }},
            {'B', [&] { d.OnBestScores(); }},
            {'c', [&] { d.Page() ? d.Page()->CancelButton()->click() : d.Box()->reject(); }},
            {'X', [&] { d.Page<CBestScoresDlg>()->ResetButton()->click(); }},
            {'K', [&] { d.StartKnownGame(); }},
            {'W', [&] { d.Win(); }},
            {'i', [&] { d.Game().StopClock(); }},
            {'a', [&] { CSettings::PutUseAnim(true); }},
            {'f', [&] { CSettings::PutUseAnim(false); }},
            {'y', [&] { d.m_answer = QMessageBox::Yes; }},
            {'n', [&] { d.m_answer = QMessageBox::No; }},
            {'t', [&] { d.Game().Tick(); }},
            {'s', [&] { d.BoardView().SlideFrame(); }},
            {'m', [&] { d.Tap(CellNearBlank(d)); }},
            {'r', [&] { d.Tap(CellNearBlank(d), Qt::RightButton); }},
            {'p', [&] { d.Frame(); }},
            {'o', [&] { CScoreTable().SetMovesRecord(0, 7, QStringLiteral("Bo")); }},  // another window's record
        };
        // Keys come through the window, as a keyboard's do: each press and each release goes to whatever has the
        // focus at that moment, the board, a page's control or an open menu.
        const QHash<QChar, QKeyCombination> keys = {
            {'<', Qt::Key_Left}, {'>', Qt::Key_Right}, {'^', Qt::Key_Up}, {'v', Qt::Key_Down}, {'2', Qt::Key_F2},
            {'+', Qt::CTRL | Qt::Key_N}, {'q', Qt::CTRL | Qt::Key_Q}, {'e', Qt::Key_Escape}, {'R', Qt::Key_Return},
            {'\t', Qt::Key_Tab}, {'F', Qt::Key_F10}, {'g', Qt::ALT | Qt::Key_G},
            {'l', Qt::KeypadModifier | Qt::Key_Left}, {'L', Qt::SHIFT | Qt::Key_Left}};
        for (const QChar step : steps) {
            keys.contains(step) ? QTest::keyClick(d.windowHandle(), keys[step].key(), keys[step].keyboardModifiers())
                                : actions[step]();
        }
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }
    void init() { ForgetEverything(); }

    void commands_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const QString home = QStringLiteral("4 home idle, moves '0', time '00m00s', slide off, asked 0, page ");
        const QString fresh = QStringLiteral("4 mixed running, moves '0', time '00m00s', slide off, asked ");
        const QString moved = QStringLiteral("4 mixed running, moves '1', time '00m00s', slide ");
        const QString twoMoves = QStringLiteral("4 mixed running, moves '2', time '00m00s', slide ");
        const QString idle = QStringLiteral("4 mixed idle, moves '0', time '00m00s', slide off, asked 0, page ");
        QTest::newRow("start") << "" << home + "none";
        QTest::newRow("idle taps slide uncounted") << "m" << idle + "none";
        QTest::newRow("the right button slides nothing") << "r" << home + "none";
        QTest::newRow("Ctrl+N") << "+" << fresh + "0, page none";
        QTest::newRow("F2 during a game") << "Nm2" << fresh + "1, page none";
        QTest::newRow("Ctrl+Q closes a game") << "Nq" << fresh + "0, page none, closed";
        QTest::newRow("New, answered No") << "NmnN" << moved + "off, asked 1, page none";
        QTest::newRow("New, answered Yes") << "NmyN" << fresh + "1, page none";
        QTest::newRow("Options, answered No") << "NmnO" << moved + "off, asked 1, page none";
        QTest::newRow("Options, answered Yes") << "NmtyO"
            << "4 home idle, moves '0', time '00m00s', slide off, asked 1, page Options";
        QTest::newRow("Options when idle; the page holds taps and keys") << "mOm<2+q" << home + "Options";
        QTest::newRow("Escape and Return close a page") << "OeBR" << home + "none";
        QTest::newRow("the clock runs under About and Best Scores") << "NAtcBtc"
            << "4 mixed running, moves '0', time '00m02s', slide off, asked 0, page none";
        QTest::newRow("a tap during a slide") << "Namm" << moved + "on, asked 0, page none";
        QTest::newRow("a slide after an animated one") << "Namssssfm" << twoMoves + "off, asked 0, page none";
        QTest::newRow("a slide's last frame") << "Namssssm" << twoMoves + "on, asked 0, page none";
        QTest::newRow("after a win, idle") << "KWcmN"
            << "3 mixed running, moves '0', time '00m00s', slide off, asked 1, page none";
    }

    void commands() {
        QFETCH(QString, steps);
        CSettings::PutUseAnim(false);
        CTestDlg d;
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Play(d, steps);
        QTEST(State(d), "state");
    }

    // Arrow keys on the known 3x3 deal, sent where the focus is: the tile beside
    // the blank on the arrow's far side slides into it as a tap on it would; a
    // screen reader reads the board as it stands and the labels with their captions.
    void keys_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("labels");  // and the least 3x3 moves on disk
        const QString dealt = QStringLiteral("Board: A, blank, B; D, E, C; G, H, F");
        const QString left = QStringLiteral("Board: A, B, blank; D, E, C; G, H, F");
        const QString zero = QStringLiteral("status bar  [label Moves 0, label Time 00m00s], record 0");
        const QString one = QStringLiteral("status bar  [label Moves 1, label Time 00m00s], record 0");
        QTest::newRow("dealt") << "K" << dealt << zero;
        QTest::newRow("Left") << "K<" << left << one;
        QTest::newRow("Right") << "K>" << "Board: blank, A, B; D, E, C; G, H, F" << one;
        QTest::newRow("Up") << "K^" << "Board: A, E, B; D, blank, C; G, H, F" << one;
        QTest::newRow("Down at the top edge") << "Kv" << dealt << zero;
        QTest::newRow("keypad Left") << "Kl" << left << one;
        QTest::newRow("Shift+Left") << "KL" << dealt << zero;
        QTest::newRow("keys that win, then one more") << "K<^^c>" << "Board: A, B, C; D, E, F; G, blank, H"
                                                      << "status bar  [label Moves 3, label Time 00m00s], record 3";
        const QString twenty = QString("<>").repeated(10);
        QTest::newRow("keys during slides, each drawn to its end") << "Kap" + twenty + "<^ssss"
            << "Board: A, B, C; D, E, blank; G, H, F" << "status bar  [label Moves 22, label Time 00m00s], record 0";
        QTest::newRow("F10, one Escape, Left") << "KFe<" << left << one;
        QTest::newRow("Alt+G, one Escape, Left") << "Kge<" << left << one;
    }

    void keys() {
        QFETCH(QString, steps);
        CTestDlg d;
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Play(d, steps);
        QTEST(d.Spoken(&d.BoardView()) + ": " + d.BoardText(), "board");
        const QString labels = Read(*QAccessible::queryAccessibleInterface(d.findChild<CStatusRow*>()));
        QTEST(labels + QStringLiteral(", record %1").arg(StatsOnDisk().leastMoves[0]), "labels");
        const QImage shown = d.Frame();
        d.BoardView().Repaint();
        QCOMPARE(d.Frame(), shown);
    }

    // A role and name, what is read with it, and what is read inside, as a screen reader walks the tree.
    static QString Read(QAccessibleInterface& node) {
        static const QHash<int, QString> roles = {
            {QAccessible::Window, "frame"}, {QAccessible::Dialog, "dialog"}, {QAccessible::Grouping, "group"},
            {QAccessible::StatusBar, "status bar"}, {QAccessible::StaticText, "label"},
            {QAccessible::MenuBar, "menu bar"}, {QAccessible::MenuItem, "item"}, {QAccessible::PopupMenu, "menu"},
            {QAccessible::PushButton, "button"}, {QAccessible::EditableText, "text"},
            {QAccessible::CheckBox, "check box"}, {QAccessible::ComboBox, "combo box"}, {QAccessible::List, "list"},
            {QAccessible::ListItem, "item"}};
        QString read = roles.value(node.role(), "other") + " " + node.text(QAccessible::Name);
        for (const QAccessible::Text text : {QAccessible::Description, QAccessible::Accelerator})
            read += node.text(text).isEmpty() ? "" : " (" + node.text(text) + ")";
        QStringList inside;
        for (int i = 0; i < node.childCount(); ++i)
            inside << Read(*node.child(i));
        return inside.isEmpty() ? read : read + " [" + inside.join(", ") + "]";
    }

    // The window is a frame; each page a dialog named by its title and read
    // top to bottom, a record as one line, the records that fell with the name
    // box; menu entries named without their keys, which they give apart. Tab
    // runs through a page top to bottom, left to right, from the control that
    // has the focus when it opens.
    void screenReader_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("read");
        const QString menus = "menu bar  [item Game (Alt+G) [menu  [item New (Ctrl+N)]], item Tools (Alt+T) [menu  ["
                              "item About (Alt+A), item Best Scores... (Alt+B), item Options... (Alt+O)]]]";
        QTest::newRow("the window") << "" << "frame Slydra [group Board (A, B, C, D; E, F, G, H; I, J, K, L; M, N, O, "
            "blank), status bar  [label Moves 0, label Time 00m00s], " + menus + "] | least 3x3 moves on disk: 31 "
            "| tab:";
        const auto scores = [](const QString& first) {
            return "dialog Best Scores [button OK (Enter), button Cancel, label Number of Moves:, label 3x3, " + first
                 + ", label 4x4, Anonymous, 9999 moves, label 5x5, Anonymous, 9999 moves, label Time to Complete:, "
                   "label 3x3, Anonymous, 59m59s, label 4x4, Anonymous, 59m59s, label 5x5, Anonymous, 59m59s, button "
                   "Reset Scores] | least 3x3 moves on disk: ";
        };
        const QString scoresTabs = " | tab: OK, Cancel, Reset Scores, OK, Cancel, Reset Scores, OK, Cancel";
        QTest::newRow("Best Scores") << "B" << scores("Åsa, 31 moves") + "31" + scoresTabs;
        QTest::newRow("Reset Scores") << "BX" << scores("Anonymous, 9999 moves") + "9999" + scoresTabs;
        QTest::newRow("another window's record") << "oB" << scores("Bo, 7 moves") + "7" + scoresTabs;
        QTest::newRow("Options") << "O" << "dialog Options [button OK (Enter), button Cancel, combo box 4x4 (Down) "
            "[list  [item 3x3, item 4x4, item 5x5]], label Grid Size: , check box Animation, group Picture, check box "
            "Use, check box Fit to board, text Picture file, button Choose the picture file] | least 3x3 moves on "
            "disk: 31 | tab: 4x4, Animation, Use, Fit to board, Picture file, Choose the picture file, OK, Cancel";
    }

    void screenReader() {
        QFETCH(QString, steps);
        CScoreTable().SetMovesRecord(0, 31, QStringLiteral("Åsa"));
        CTestDlg d;
        Play(d, steps);
        QWidget* pRead = d.Page() ? static_cast<QWidget*>(d.Page()) : &d;
        QString read = Read(*QAccessible::queryAccessibleInterface(pRead));
        read += QStringLiteral(" | least 3x3 moves on disk: %1 | tab:").arg(StatsOnDisk().leastMoves[0]);
        for (int i = 0; d.Page() && i < 8; ++i, Play(d, "\t"))
            read += (i ? ", " : " ") + d.Spoken(d.focusWidget()).trimmed();
        QTEST(read, "read");
    }

    // A known game won in 40 seconds against the records on disk; the table
    // on disk changes before the window closes, at the level of the game.
    void completion_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("recordMoves");
        QTest::addColumn<int>("recordSeconds");
        QTest::addColumn<QString>("typed");  // null: Cancel
        QTest::addColumn<int>("moves");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("stored");
        const QStringList both = {"Fastest time: 00m40s", "Least moves: 3", "For 3x3 level"};
        const QStringList movesOnly = {"", "You used least moves, 3", "For 3x3 level"};
        const QStringList timeOnly = {"", "You have the fastet time of 00m40s", "For 3x3 level"};
        const QStringList both4 = {"Fastest time: 00m40s", "Least moves: 7", "For 4x4 level"};
        const QStringList both5 = {"Fastest time: 00m40s", "Least moves: 5", "For 5x5 level"};
        const QString anon = QStringLiteral("3 Anonymous, 40 Anonymous | ");
        QTest::newRow("both records") << 3 << 9999 << 3599 << "Ada" << 3 << both << anon + "3 Ada, 40 Ada";
        QTest::newRow("an emptied name") << 3 << 9999 << 3599 << "" << 3 << both << anon + "3 , 40 ";
        QTest::newRow("Cancel") << 3 << 9999 << 3599 << QString() << 3 << both << anon + "3 Anonymous, 40 Anonymous";
        QTest::newRow("moves only") << 3 << 4 << 40 << "Ada" << 3 << movesOnly << "3 Anonymous, 40 Bo | 3 Ada, 40 Bo";
        QTest::newRow("time only; equal moves") << 3 << 3 << 41 << "Ada" << 3 << timeOnly
                                                << "3 Bo, 40 Anonymous | 3 Bo, 40 Ada";
        QTest::newRow("neither") << 3 << 3 << 40 << "Ada" << 3 << QStringList() << "3 Bo, 40 Bo | 3 Bo, 40 Bo";
        QTest::newRow("4x4") << 4 << 9999 << 3599 << "Ada" << 7 << both4 << "7 Anonymous, 40 Anonymous | 7 Ada, 40 Ada";
        QTest::newRow("5x5") << 5 << 9999 << 3599 << "Ada" << 5 << both5 << "5 Anonymous, 40 Anonymous | 5 Ada, 40 Ada";
    }

    void completion() {
        QFETCH(int, size);
        QFETCH(int, recordMoves);
        QFETCH(int, recordSeconds);
        QFETCH(QString, typed);
        QFETCH(int, moves);
        const QString bo = QStringLiteral("Bo");
        const SStatsRecords before{{recordMoves, recordMoves, recordMoves},
                                   {recordSeconds, recordSeconds, recordSeconds}, {bo, bo, bo}, {bo, bo, bo}};
        Make(CScoreTable::DefaultPath(), "", CStatsCodec::Encode(before));
        CTestDlg d;
        d.StartKnownGame(size);
        for (int i = 0; i < 40; ++i)
            d.Game().Tick();
        d.Win();
        QStringList shown;
        if (auto* pDlg = d.Page<CCongratulationsDlg>()) {
            shown << pDlg->Line(1)->text() << pDlg->Line(2)->text() << pDlg->Line(3)->text();
            QCOMPARE(pDlg->NameBox()->selectedText(), QStringLiteral("Anonymous"));
            pDlg->NameBox()->setText(typed);
            QTest::keyClick(typed.isNull() ? pDlg->CancelButton() : pDlg->OkButton(), Qt::Key_Return);
        }
        const QString message = QStringLiteral("Grid Completed: Congratulations, you have successfully "
                                               "completed the grid in a time of 00m40s from %1 moves");
        QCOMPARE(d.m_asked, QStringList{message.arg(moves)});
        QTEST(shown, "lines");
        // The level's records while the completion message is open, then after the name.
        const int level = size - 3;
        QStringList stored;
        for (const SStatsRecords& r : {d.m_onDiskWhenAsked.value(0), StatsOnDisk()})
            stored << QStringLiteral("%1 %2, %3 %4").arg(r.leastMoves[level]).arg(r.movesName[level])
                          .arg(r.fastestTime[level]).arg(r.timeName[level]);
        QTEST(stored.join(" | "), "stored");
    }

    // In German, as a screen reader reads it: the resign question with Qt's own buttons, the Congratulations page
    // opening in its name box, which shows the default holder in German, and that holder on Best Scores; left as it
    // is, the name stores the file's own "Anonymous": the file holds six of them, 156 bytes.
    void german() {
        CTranslations german;
        german.Load(QLocale(QLocale::German));
        CTestDlg d;
        d.StartKnownGame();
        d.m_bRealBoxes = true;
        d.OnNewGame();
        const auto read = [](QWidget* p) { return Read(*QAccessible::queryAccessibleInterface(p)) + " | "; };
        QString seen = read(d.Box());
        static_cast<QMessageBox*>(d.Box())->button(QMessageBox::No)->click();
        d.m_bRealBoxes = false;
        d.Win();
        seen += read(d.Page()) + d.Spoken(d.focusWidget()) + ": " + d.Page<CCongratulationsDlg>()->NameBox()->text();
        d.Page()->OkButton()->click();
        d.OnBestScores();
        seen += " | " + d.Spoken(d.Page<CBestScoresDlg>()->MovesNameLabel(0)) + " | " + StatsOnDisk().movesName[0];
        seen += QStringLiteral(", %1 bytes").arg(QFileInfo(CScoreTable::DefaultPath()).size());
        QCOMPARE(seen, "other Slydra [other , label Möchten Sie dieses Spiel aufgeben?, group  [button Ja (Enter), "
                       "button Nein (Alt+N)]] | dialog Glückwunsch [button OK (Enter), button Abbrechen, label "
                       "Schnellste Zeit: 00m00s, label Wenigste Züge: 3, label Auf dem Spielfeld 3x3, label Bitte "
                       "Namen eingeben:, text Ihr Name (Schnellste Zeit: 00m00s\nWenigste Züge: 3\nAuf dem Spielfeld "
                       "3x3)] | Ihr Name: Anonym | 3x3, Anonym, 3 Züge | Anonymous, 156 bytes");
    }

    // A file where the data folder belongs: the game goes on, one message after the name says where and why, the last
    // try at the window's end says it on stderr, and the file stays as it was.
    void refusedSave() {
        const QString folder = m_dir.filePath(QStringLiteral("data/Brevik/Slydra"));
        QDir(folder).removeRecursively();
        Make(folder, "", "not a folder");
        {
            CTestDlg d;
            d.StartKnownGame();
            Play(d, "Wc");
            QCOMPARE(d.m_asked.mid(1), QStringList("Slydra: The records could not be saved to " + folder
                                                   + "/Stats.bin: its folder cannot be created. Slydra will try again "
                                                     "when a record changes and when it closes."));
            QTest::ignoreMessage(QtWarningMsg, qPrintable("Slydra: the records could not be saved to " + folder
                                                          + "/Stats.bin: its folder cannot be created"));
        }
        QFile::remove(folder);
    }

    // Qt's own timers: the clock ticks, and a slide's frames come by themselves.
    void realTimers() {
        CTestDlg d;
        Play(d, "Nam");
        QTRY_COMPARE_WITH_TIMEOUT(d.Label("time"), QStringLiteral("00m01s"), 5000);
        Play(d, "m");
        QCOMPARE(d.Label("moves"), QStringLiteral("2"));
    }

    // One signal, whatever is open: the window closes, a page as by OK, none
    // opens on the way out, and a game won just before keeps its record.
    void signalEndsTheProgram_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("holder");
        QTest::newRow("resign question from New") << SIGTERM << "N" << QStringList{"Slydra"} << "";
        QTest::newRow("Options") << SIGHUP << "iO" << QStringList{"Options"} << "";
        QTest::newRow("About") << SIGTERM << "A" << QStringList{"About"} << "";
        QTest::newRow("Best Scores") << SIGHUP << "B" << QStringList{"Best Scores"} << "";
        QTest::newRow("completion message") << SIGINT << "W" << QStringList{"Grid Completed"} << "Anonymous";
        QTest::newRow("Congratulations") << SIGTERM << "W" << QStringList{"Grid Completed", "Congratulations"} << "Ada";
    }

    void signalEndsTheProgram() {
        QFETCH(int, signal);
        QFETCH(QString, steps);
        QFETCH(QStringList, shown);
        CTestDlg d;
        d.StartKnownGame();
        d.m_bRealBoxes = true;
        QStringList seen;
        QTimer watch;
        watch.callOnTimeout([&] {
            QWidget* pOpen = d.Page() ? static_cast<QWidget*>(d.Page()) : d.Box();
            if (!pOpen || seen.value(seen.size() - 1) == pOpen->windowTitle())
                return;
            seen << pOpen->windowTitle();
            if (seen.size() < shown.size())
                return qobject_cast<QDialog*>(pOpen)->accept();
            if (auto* pName = pOpen->findChild<QLineEdit*>())
                pName->setText(QStringLiteral("Ada"));
            ::raise(signal);
        });
        watch.start(5);
        QTimer::singleShot(0, &d, [&] { Play(d, steps); });
        QTimer::singleShot(20000, &d, &QWidget::close);
        CSlydraApp::RunMainWindow(d);
        QCOMPARE(seen, shown);
        QVERIFY(!d.Page() && !d.Box());
        QTEST(StatsOnDisk().movesName[0], "holder");
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
