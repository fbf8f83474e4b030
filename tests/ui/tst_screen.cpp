#include "Harness.h"

#include "app/AboutDlg.h"
#include "options/OptionsDlg.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"

using Points = QList<QPoint>;

// What the player sees: the board and its frame pixel by pixel, the frames
// of a slide, the pages and their texts at three font sizes, and the tile
// picture made from files that are damaged, lie, or are no files at all.
class ScreenTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QByteArray Square(const char* format, Qt::GlobalColor colour = Qt::red) {
        QImage square(100, 100, QImage::Format_ARGB32);
        QBuffer buffer;
        square.fill(colour), square.save(&buffer, format);
        return buffer.data();
    }

    // The texts on the page whose ink leaves their widget (less a check box's
    // indicator or a button's frame).
    static QStringList CutTexts(const QWidget& page) {
        QStringList cut;
        for (QWidget* w : page.findChildren<QWidget*>()) {
            const auto* pLabel = qobject_cast<QLabel*>(w);
            const auto* pButton = qobject_cast<QAbstractButton*>(w);
            const QString text = pLabel ? pLabel->text() : pButton ? pButton->text() : "";
            const int inset = qobject_cast<QCheckBox*>(w) ? w->style()->pixelMetric(QStyle::PM_IndicatorWidth) : pButton ? 4 : 0;
            const QRect ink = w->fontMetrics().boundingRect(w->rect().adjusted(inset, 0, 0, 0),
                                                            pLabel && pLabel->wordWrap() ? Qt::TextWordWrap : 0, text.trimmed());
            if (ink.width() > w->width() - inset || ink.height() > w->height() + 2)
                cut << text;
        }
        return cut;
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }
    void init() { ForgetEverything(); }

    // Pixels of the board in home order, or with the blank in the top-left cell.
    void board_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("blankTopLeft");
        QTest::addColumn<Points>("points");
        QTest::addColumn<QList<QColor>>("colours");
        const QColor w = Qt::white, k = Qt::black, b = Qt::blue;
        QTest::newRow("3x3 frame") << 3 << false
            << Points{{0, 0}, {239, 0}, {0, 239}, {1, 1}, {238, 100}, {237, 100}, {2, 100}, {236, 100}, {3, 100}, {235, 100}, {100, 235}, {234, 100}, {4, 100}, {32, 42}, {5, 42}}
            << QList<QColor>{kFace, kDark, kDark, w, kShadow, w, kFace, kFace, kDark, kDark, kDark, k, k, b, w};
        QTest::newRow("4x4") << 4 << false << Points{{235, 100}, {235, 200}, {200, 235}, {200, 200}, {177, 200}, {25, 33}, {120, 241}, {215, 250}}
                             << QList<QColor>{k, kDark, kDark, kFace, k, b, kFace, kFace};
        QTest::newRow("5x5") << 5 << false << Points{{233, 100}, {234, 100}, {235, 100}, {100, 234}, {21, 27}}
                             << QList<QColor>{k, kFace, kDark, kFace, b};
        QTest::newRow("4x4, blank top left") << 4 << true << Points{{4, 30}, {30, 4}, {30, 30}, {4, 4}, {62, 30}, {235, 200}}
                                             << QList<QColor>{kShadow, kShadow, kFace, kShadow, k, k};
    }

    void board() {
        QFETCH(int, size);
        QFETCH(bool, blankTopLeft);
        CSettings::PutDims(size);
        CTestDlg d;
        if (blankTopLeft)
            std::swap(d.m_board.m_cells.front(), d.m_board.m_cells.back());
        const QImage frame = d.Frame();
        QFETCH(Points, points);
        QList<QColor> colours;
        for (const QPoint& p : points)
            colours << frame.pixelColor(p);
        QTEST(colours, "colours");
    }

    // Each frame puts the tile where the player sees it move; the last one
    // leaves the board exactly as a repaint shows it, frame rings included.
    void slide_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("tapped");
        QTest::addColumn<Points>("positions");  // one for each frame
        QTest::newRow("4x4 right into the corner") << 4 << 15 << 14 << Points{{131, 178}, {143, 178}, {154, 178}, {166, 178}, {178, 178}};
        QTest::newRow("4x4 left out of the corner") << 4 << 14 << 15 << Points{{166, 178}, {154, 178}, {143, 178}, {131, 178}, {120, 178}};
        QTest::newRow("4x4 down the right edge") << 4 << 15 << 11 << Points{{178, 131}, {178, 143}, {178, 154}, {178, 166}, {178, 178}};
        QTest::newRow("4x4 up the right edge") << 4 << 11 << 15 << Points{{178, 166}, {178, 154}, {178, 143}, {178, 131}, {178, 120}};
        QTest::newRow("3x3 left along the top") << 3 << 0 << 1 << Points{{65, 4}, {50, 4}, {34, 4}, {19, 4}, {4, 4}};
        QTest::newRow("5x5 up the left edge") << 5 << 0 << 5 << Points{{4, 40}, {4, 31}, {4, 22}, {4, 13}, {4, 4}};
        QTest::newRow("3x3 right, no animation") << 3 << 8 << 7 << Points{{158, 158}};
        QTest::newRow("5x5 down, no animation") << 5 << 20 << 15 << Points{{4, 188}};
    }

    void slide() {
        QFETCH(int, size);
        QFETCH(int, blank);
        QFETCH(int, tapped);
        QFETCH(Points, positions);
        CSettings::PutDims(size);
        CSettings::PutUseAnim(positions.size() > 1);
        CTestDlg d;
        std::swap(d.m_board.m_cells[blank], d.m_board.m_cells.back());
        const int tile = d.m_board.m_cells[tapped], t = d.m_nTileSize;
        const QImage face = QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(size == 3 ? 145 : size == 4 ? 144 : 147))
                                .convertToFormat(QImage::Format_RGB32)
                                .copy((tile % size) * t, (tile / size) * t, t, t);
        d.Frame();  // the board as it stands before the tap
        d.Tap(tapped / size, tapped % size);
        for (const QPoint& at : positions) {
            if (at != positions.first())
                d.OnTimer(2);
            QCOMPARE(d.Frame().copy(QRect(at, QSize(t, t))), face);
        }
        QCOMPARE(d.m_timers.count(2), 0u);
        const QImage slid = d.Frame();
        d.InvalidateBoard();
        QCOMPARE(slid, d.Frame());
    }

    // Every text shows whole with the application font as it is and one and
    // two points larger, the longest texts of the game included; at 9 points
    // the window, the pages and the completion message look as drawn, each page over
    // the window (SLYDRA_NEW_LOOKS=1 writes the pictures afresh after a
    // deliberate change).
    void texts_data() {
        QTest::addColumn<int>("points");
        for (int points : {9, 10, 11})
            QTest::addRow("DejaVu Sans %d", points) << points;
    }

    void texts() {
        QFETCH(int, points);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        CTestDlg d;
        d.m_nMoves = 9999, d.m_nSeconds = 3599, d.m_bRunning = true;
        d.UpdateMovesText(), d.OnTimer(1);
        CCongratulationsDlg congratulations(&d);
        congratulations.m_strName = QStringLiteral("Anonymous"), congratulations.m_strLine1 = QStringLiteral("Fastest time: 59m58s");
        congratulations.m_strLine2 = QStringLiteral("You have the fastet time of 59m58s"), congratulations.UpdateData(false);
        QStringList cut;
        QList<QImage> looks;
        const auto check = [&](QWidget* pPage) {
            cut << CutTexts(*pPage), looks << pPage->grab().toImage();
            QVERIFY(!qobject_cast<CTitledDlg*>(pPage) || pPage->pos() == d.mapToGlobal(QPoint()) || pPage == &congratulations);
        };
        check(&d), check(&congratulations);
        WhenModalOpens(&d, check), d.OnAbout();
        WhenModalOpens(&d, check), d.OnOptions();
        WhenModalOpens(&d, check), d.OnBestScores();
        d.m_bRealBoxes = true, d.m_nMoves = 9999, d.m_nSeconds = 3600;
        WhenModalOpens(&d, check), d.OnGridCompleted();
        QApplication::setFont(QFont());
        QCOMPARE(cut, QStringList());
        for (int i = 0; i < looks.size() && points == 9; ++i) {
            const QString file = QStringLiteral(SLYDRA_LOOKS "/%1.png").arg(i);
            if (qEnvironmentVariableIsSet("SLYDRA_NEW_LOOKS"))
                looks[i].save(file);
            QVERIFY2(looks[i].convertToFormat(QImage::Format_RGB32) == QImage(file).convertToFormat(QImage::Format_RGB32), qPrintable(file));
        }
    }

    // The Options page shows the stored options and stores each change at
    // once, whichever button closes it.
    void options_data() {
        QTest::addColumn<QString>("stored");  // Dims UseAnim UsePic Location
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shownThenStored");
        QTest::newRow("nothing stored, OK") << "" << "k" << "4x4 1 1 '' | 4 1 1 '' unchanged";
        QTest::newRow("stored, Cancel") << "5 0 0 /p.jpg" << "c" << "5x5 0 0 '/p.jpg' | 5 0 0 '/p.jpg' unchanged";
        QTest::newRow("a size outside 3..5") << "9 1 1" << "c" << " 1 1 '' | 9 1 1 '' unchanged";
        QTest::newRow("3x3, then Cancel") << "" << "3c" << "4x4 1 1 '' | 3 1 1 '' changed";
        QTest::newRow("Animation twice") << "" << "aak" << "4x4 1 1 '' | 4 1 1 '' changed";
        QTest::newRow("Use off") << "" << "uk" << "4x4 1 1 '' | 4 1 0 '' changed";
        QTest::newRow("a picture") << "" << "bc" << "4x4 1 1 '' | 4 1 1 '/me/cat.gif' changed";
    }

    void options() {
        QFETCH(QString, stored);
        QFETCH(QString, clicks);
        const QStringList v = stored.split(' ');
        if (!stored.isEmpty())
            CSettings::PutDims(v[0].toInt()), CSettings::PutUseAnim(v[1] == "1"), CSettings::PutUsePic(v[2] == "1"),
                CSettings::PutLocation(v.value(3));
        struct CPicking : COptionsDlg {
            QString ChoosePictureFile() override { return QStringLiteral("/me/cat.gif"); }
        } dlg;
        QString seen;
        QObject scope;
        WhenModalOpens(&scope, [&](QWidget*) {
            seen = QStringLiteral("%1 %2 %3 '%4' | ").arg(dlg.GridSizeBox()->currentText()).arg(dlg.AnimationBox()->isChecked())
                       .arg(dlg.UsePictureBox()->isChecked()).arg(dlg.PathBox()->text());
            const QMap<QChar, QAbstractButton*> buttons{{'a', dlg.AnimationBox()}, {'u', dlg.UsePictureBox()},
                {'b', dlg.findChildren<QPushButton*>().value(2)}, {'k', dlg.OkButton()}, {'c', dlg.CancelButton()}};
            for (const QChar click : clicks)
                click == '3' ? dlg.GridSizeBox()->setCurrentIndex(0), emit dlg.GridSizeBox()->activated(0) : buttons[click]->click();
        });
        dlg.DoModal();
        QTEST(seen + QStringLiteral("%1 %2 %3 '%4' %5").arg(CSettings::GetDims()).arg(CSettings::GetUseAnim())
                  .arg(CSettings::GetUsePic()).arg(CSettings::GetLocation(), dlg.m_bChanged ? "changed" : "unchanged"),
              "shownThenStored");
    }

    // Best Scores opens on OK, shows the table, and resets it on disk at once.
    void bestScores() {
        CScoreTable table;
        table.SetMovesRecord(1, 12, QStringLiteral("Ada"));
        table.SetTimeRecord(2, 3725, QString());
        CBestScoresDlg dlg;
        dlg.m_pScoreTable = &table;
        QStringList texts;
        const auto read = [&] {
            for (int i = 0; i < 3; ++i)
                texts << QStringList{dlg.MovesNameLabel(i)->text(), dlg.MovesLabel(i)->text(), dlg.TimeNameLabel(i)->text(), dlg.TimeLabel(i)->text()}.join(' ');
        };
        QObject scope;
        QWidget* pFocus = nullptr;
        WhenModalOpens(&scope, [&](QWidget*) {
            pFocus = dlg.focusWidget();
            read(), dlg.ResetButton()->click(), read(), dlg.CancelButton()->click();
        });
        dlg.DoModal();
        QCOMPARE(pFocus, dlg.OkButton());
        const QString fresh = QStringLiteral("Anonymous 9999 Anonymous 59m59s");
        QCOMPARE(texts, QStringList({fresh, "Ada 12 Anonymous 59m59s", "Anonymous 9999  01h02m05s", fresh, fresh, fresh}));
        QCOMPARE(std::pair(StatsOnDisk().leastMoves[1], StatsOnDisk().timeName[2]), std::pair(9999, QStringLiteral("Anonymous")));
    }

    void pictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");  // red: the picture; kept: the one held before; face: see-through
        const QByteArray gif = QByteArray::fromHex("47494638376108000800810000ff00000000000000000000002c00000000080008"
                                                   "0000080f0001081c48b0a0c18308132a4c1810003b");
        const QByteArray bomb =  // a BMP header of 65535 x 65535 pixels
            QByteArray::fromHex("424d36000000000000003600000028000000ffff0000ffff000001001800") + QByteArray(88, '\0');
        for (const auto& [format, bytes] : QList<std::pair<const char*, QByteArray>>{
                 {"png", Square("PNG")}, {"jpg", Square("JPG")}, {"bmp", Square("BMP")}, {"gif", gif}}) {
            QTest::addRow("%s", format) << QStringLiteral("whole.") + format << "" << bytes << "red";
            for (int cut : {20, int(bytes.size() / 2), int(bytes.size() - 13)})
                QTest::addRow("%s cut at %d", format, cut) << QStringLiteral("cut.") + format << "" << bytes.left(cut) << "kept";
        }
        QTest::newRow("GIF named .jpg") << "gif.jpg" << "" << gif << "red";
        QTest::newRow("see-through PNG") << "clear.png" << "" << Square("PNG", Qt::transparent) << "face";
        QTest::newRow("text named .jpg") << "text.jpg" << "" << QByteArray("not a picture\n") << "kept";
        QTest::newRow("65535 x 65535 BMP") << "bomb.bmp" << "" << bomb << "kept";
        QTest::newRow("empty") << "empty.png" << "" << QByteArray() << "kept";
        for (const char* kind : {"folder", "fifo", "/dev/zero"})
            QTest::addRow("%s", kind) << "thing.jpg" << kind << QByteArray() << "kept";
    }

    void pictures() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(name), held = m_dir.filePath(QStringLiteral("held.png"));
        Make(path, kind, bytes), Make(held, "", Square("PNG", Qt::blue));
        CTestDlg d;
        CSettings::PutLocation(held), d.ApplySettings();
        const QImage before = d.Frame();
        CSettings::PutLocation(path), d.ApplySettings();
        const QImage frame = d.Frame();
        const QColor centre = frame.pixelColor(120, 120);
        const bool bRed = centre.red() > 200 && centre.green() < 60 && frame.pixelColor(20, 20) == kFace;
        QTEST(QString(bRed ? "red" : frame == before ? "kept" : centre == kFace ? "face" : "other"), "shown");
    }
};

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"
