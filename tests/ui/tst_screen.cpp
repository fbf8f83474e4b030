#include "Harness.h"

#include "app/AboutDlg.h"
#include "app/StatusRow.h"
#include "app/Translations.h"
#include "options/OptionsDlg.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"
#include "scores/ElapsedText.h"

using Points = QList<QPoint>;

// What the player sees: the board and its frame pixel by pixel, the frames
// of a slide, and the pages and their texts at three font sizes.
class ScreenTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // The texts on the page whose ink leaves their widget (less a check box's
    // indicator or a button's frame), the controls a screen reader finds
    // without a name, a title cut by OK, and a menu entry left off its bar.
    static QStringList Unreadable(QWidget& page) {
        QStringList cut;
        if (auto* pPage = qobject_cast<CTitledDlg*>(&page)) {
            const QRect title = Ink(pPage->grab().toImage(), [](const QColor& c) { return c == QColor(0, 0, 255); });
            if (title.intersects(pPage->OkButton()->geometry().adjusted(-3, 0, 3, 0)))  // cut where OK begins
                cut << page.windowTitle();
        }
        for (const QMenuBar* pBar : page.findChildren<QMenuBar*>())
            if (!pBar->rect().contains(pBar->actionGeometry(pBar->actions().constLast())))
                cut << pBar->actions().constLast()->text();
        for (QWidget* w : page.findChildren<QWidget*>()) {
            const QAccessibleInterface* pRead = QAccessible::queryAccessibleInterface(w);
            const bool bNamed = !pRead->text(QAccessible::Name).isEmpty();
            const bool bLabelled = !pRead->relations(QAccessible::Label).isEmpty();
            if (!bNamed && !bLabelled && w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(&page))
                cut << QStringLiteral("nameless ") + w->metaObject()->className();
            const auto* pLabel = qobject_cast<QLabel*>(w);
            const auto* pButton = qobject_cast<QAbstractButton*>(w);
            const QString text = pLabel ? pLabel->text() : pButton ? pButton->text() : "";
            const bool bCheck = qobject_cast<QCheckBox*>(w);
            const int inset = bCheck ? w->style()->pixelMetric(QStyle::PM_IndicatorWidth) : pButton ? 4 : 0;
            const int flags = pLabel && pLabel->wordWrap() ? Qt::TextWordWrap : 0;
            // Aligned right, a text's trailing space pushes its letters left.
            const QString shown = pLabel && pLabel->alignment() & Qt::AlignRight ? text : text.trimmed();
            const QRect ink = w->fontMetrics().boundingRect(w->rect().adjusted(inset, 0, 0, 0), flags, shown);
            if (!text.trimmed().isEmpty() && (ink.width() > w->width() - inset || ink.height() > w->height() + 2))
                cut << text;
        }
        return cut;
    }

    // The bounding rectangle of the pixels that are ink.
    static QRect Ink(const QImage& image, const std::function<bool(const QColor&)>& isInk) {
        QRect ink;
        for (int i = 0; i < image.width() * image.height(); ++i) {
            if (isInk(image.pixelColor(i % image.width(), i / image.width())))
                ink |= QRect(i % image.width(), i / image.width(), 1, 1);
        }
        return ink;
    }

    // The contrast ratio of the lightest pixel of the area to its darkest.
    static double Contrast(const QImage& image, const QRect& area) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        QList<double> luminances;
        for (int i = 0; i < area.width() * area.height(); ++i) {
            const QColor c = image.pixelColor(area.x() + i % area.width(), area.y() + i / area.width());
            luminances << 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        }
        const auto [darkest, lightest] = std::minmax_element(luminances.cbegin(), luminances.cend());
        return (*lightest + 0.05) / (*darkest + 0.05);
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }
    void init() { ForgetEverything(); }

    // The 4x4 board in home order as the window grows, as looks/board-WxH.png shows it (W x H in device pixels:
    // a window at scale 2 shows the pixels of one twice its size at 1): rings two pixels wide at twice and at 1.5
    // times the size, four-pixel lines between the tiles, the client centred in a wide or tall window, letters
    // drawn for the larger tiles at 1.25 times. The menu bar and the labels grow with the client; a tap lands on the
    // cell drawn under it.
    void sizes_data() {
        QTest::addColumn<double>("scale");  // the desktop's (QT_SCALE_FACTOR); rows of another are skipped
        QTest::addColumn<QSize>("window");
        QTest::addColumn<std::tuple<QRect, double, QRect>>("bars");  // the menu bar, its texts' size, the labels
        QTest::addColumn<Points>("taps");
        QTest::addColumn<QList<int>>("blanks");  // the blank's cell after each tap
        const auto first = std::tuple(QRect(0, 268, 240, 26), 9.0, QRect(0, 245, 240, 16));
        const auto twice = std::tuple(QRect(0, 536, 480, 52), 18.0, QRect(0, 490, 480, 32));
        const Points middles{{207, 207}, {149, 207}, {149, 149}};
        const QList<int> moved{15, 14, 10};
        QTest::newRow("240 x 294") << 1.0 << QSize(240, 294) << first << Points{{178, 200}, {177, 200}, {150, 177}}
                                   << moved;
        QTest::newRow("480 x 588") << 1.0 << QSize(480, 588) << twice << Points{{356, 414}, {355, 414}, {240, 355}}
                                   << moved;
        QTest::newRow("360 x 441") << 1.0 << QSize(360, 441)
                                   << std::tuple(QRect(0, 402, 360, 39), 13.5, QRect(0, 368, 360, 24))
                                   << Points{{266, 300}, {265, 300}, {200, 265}} << moved;
        QTest::newRow("600 x 294") << 1.0 << QSize(600, 294)
                                   << std::tuple(QRect(0, 268, 600, 26), 9.0, QRect(180, 245, 240, 16))
                                   << Points{{179, 200}, {358, 200}, {357, 200}} << QList<int>{15, 15, 14};
        QTest::newRow("300 x 400") << 1.0 << QSize(300, 400)
                                   << std::tuple(QRect(0, 367, 300, 33), 11.25, QRect(0, 322, 300, 20))
                                   << Points{{223, 260}, {222, 260}, {180, 215}} << moved;
        QTest::newRow("1920 x 1176") << 1.0 << QSize(1920, 1176)
                                     << std::tuple(QRect(0, 1072, 1920, 104), 36.0, QRect(480, 980, 960, 64))
                                     << Points{{1192, 800}, {1191, 800}, {1000, 600}} << moved;
        for (const double scale : {1.25, 1.5, 2.0})
            QTest::addRow("240 x 294 at %g", scale) << scale << QSize(240, 294) << first << middles << moved;
        QTest::newRow("480 x 588 at 2") << 2.0 << QSize(480, 588) << twice << Points{{414, 414}, {298, 414}, {298, 298}}
                                        << moved;
    }

    void sizes() {
        QFETCH(double, scale);
        QFETCH(QSize, window);
        QFETCH(Points, taps);
        if (qApp->devicePixelRatio() != scale)
            QSKIP("a row of the other scale");
        CSettings::PutUseAnim(false);
        CTestDlg d;
        d.resize(window);
        const QSize device = window * scale;  // the same pixels as a window of that size at scale 1
        const QString drawn = QStringLiteral(SLYDRA_LOOKS "/board-%1x%2.png").arg(device.width()).arg(device.height());
        if (qEnvironmentVariableIsSet("SLYDRA_NEW_LOOKS"))
            d.Frame().save(drawn);
        QVERIFY2(d.Frame() == QImage(drawn).convertToFormat(QImage::Format_RGB32), qPrintable(drawn));
        const QMenuBar* pBar = d.findChild<QMenuBar*>();
        QTEST(std::tuple(pBar->geometry(), pBar->font().pointSizeF(), d.findChild<CStatusRow*>()->geometry()), "bars");
        QList<int> blanks;
        for (const QPoint& tap : taps) {
            QTest::mouseClick(&d.BoardView(), Qt::LeftButton, {}, tap);
            blanks << d.BlankCell();
        }
        QTEST(blanks, "blanks");
    }

    // Options, opened at the first size, covers the board's client as the window grows, its controls, title and texts;
    // right to left it mirrors whole, and so does the row of labels.
    void pages_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QRect>("page");
        QTest::addColumn<QList<QRect>>("controls");  // OK, Cancel, the Grid Size box and "..."
        QTest::addColumn<QRect>("title");  // where its ink lies
        QTest::addColumn<QRect>("caption");  // "Moves", in the window
        QTest::addColumn<int>("gap");  // the blank columns between "Moves" and its count
        QTest::addColumn<double>("points");  // the texts' size
        QTest::newRow("240 x 294") << QSize(240, 294) << "" << QRect(0, 0, 240, 268)
            << QList<QRect>{{135, 3, 48, 20}, {187, 3, 48, 20}, {74, 34, 60, 23}, {192, 145, 24, 22}}
            << QRect(6, 1, 50, 13) << QRect(5, 245, 40, 16) << 2 << 9.0;
        QTest::newRow("480 x 588, Hebrew") << QSize(480, 588) << "he" << QRect(0, 0, 480, 536)
            << QList<QRect>{{114, 6, 96, 40}, {10, 6, 96, 40}, {212, 68, 120, 46}, {48, 290, 48, 44}}
            << QRect(365, 9, 102, 13) << QRect(390, 490, 80, 32) << 6 << 18.0;
        QTest::newRow("600 x 400") << QSize(600, 400) << "" << QRect(136, 0, 327, 365)
            << QList<QRect>{{320, 4, 65, 27}, {391, 4, 65, 27}, {237, 46, 82, 32}, {398, 198, 32, 30}}
            << QRect(8, 3, 68, 15) << QRect(143, 334, 54, 22) << 4 << 12.2625;
    }

    void pages() {
        QFETCH(QSize, window);
        QFETCH(QString, language);
        CTranslations translations;
        translations.Load(QLocale(language));
        CTestDlg d;
        d.resize(window);
        const auto placed = [&d](QWidget* pWidget) { return QRect(pWidget->mapTo(&d, QPoint()), pWidget->size()); };
        const QRect caption = placed(d.findChildren<QLabel*>().value(0));
        QTEST(caption, "caption");
        const QRect count = placed(d.findChild<QLabel*>("moves"));
        const auto isText = [](const QColor& c) { return c != kFace; };
        const QRect ink[] = {Ink(d.grab(caption).toImage(), isText).translated(caption.topLeft()),
                             Ink(d.grab(count).toImage(), isText).translated(count.topLeft())};
        QTEST(std::max(ink[1].left() - ink[0].right(), ink[0].left() - ink[1].right()) - 1, "gap");
        d.resize(d.minimumSize());
        d.OnOptions();
        d.resize(window);
        auto* pPage = d.Page<COptionsDlg>();
        QTEST(pPage->geometry(), "page");
        QList<QRect> controls;
        for (QWidget* pControl : QList<QWidget*>{pPage->OkButton(), pPage->CancelButton(), pPage->GridSizeBox(),
                                                 pPage->findChildren<QPushButton*>().value(2)})
            controls << placed(pControl);
        QTEST(controls, "controls");
        QTEST(Ink(pPage->grab().toImage(), [](const QColor& c) { return c == QColor(0, 0, 255); }), "title");
        QTEST(pPage->OkButton()->font().pointSizeF(), "points");
        QCOMPARE(pPage->GridSizeBox()->font(), pPage->OkButton()->font());
        // The board keeps its places.
        const QString drawn = QStringLiteral(SLYDRA_LOOKS "/board-%1x%2.png").arg(window.width()).arg(window.height());
        QVERIFY(!QFile::exists(drawn) || d.Frame() == QImage(drawn).convertToFormat(QImage::Format_RGB32));
    }

    // Each frame shows the tile, as it stood before the tap, where the player sees it move; the last one
    // leaves the screen exactly as a repaint shows it, frame rings included and no trail, at each scale.
    void slide_data() {
        QTest::addColumn<double>("scale");  // the desktop's (QT_SCALE_FACTOR); rows of another are skipped
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("taps");  // the last one is watched
        QTest::addColumn<Points>("positions");  // where it stands, then one for each frame, in device pixels
        QTest::newRow("4x4 right into the corner") << 1.0 << 4 << QList<int>{14}
            << Points{{120, 178}, {131, 178}, {143, 178}, {154, 178}, {166, 178}, {178, 178}};
        QTest::newRow("4x4 left out of the corner") << 1.0 << 4 << QList<int>{14, 15}
            << Points{{178, 178}, {166, 178}, {154, 178}, {143, 178}, {131, 178}, {120, 178}};
        QTest::newRow("4x4 down the right edge") << 1.0 << 4 << QList<int>{11}
            << Points{{178, 120}, {178, 131}, {178, 143}, {178, 154}, {178, 166}, {178, 178}};
        QTest::newRow("3x3 left along the top") << 1.0 << 3 << QList<int>{5, 2, 1, 0, 1}
                                                << Points{{81, 4}, {65, 4}, {50, 4}, {34, 4}, {19, 4}, {4, 4}};
        QTest::newRow("5x5 up the left edge") << 1.0 << 5 << QList<int>{23, 22, 21, 20, 15, 10, 5, 10}
                                              << Points{{4, 96}, {4, 86}, {4, 77}, {4, 68}, {4, 59}, {4, 50}};
        QTest::newRow("3x3 right, no animation") << 1.0 << 3 << QList<int>{7} << Points{{81, 158}, {158, 158}};
        QTest::newRow("5x5 down, no animation") << 1.0 << 5 << QList<int>{23, 22, 21, 20, 15}
                                                << Points{{4, 142}, {4, 188}};
        QTest::newRow("4x4 right at 1.25") << 1.25 << 4 << QList<int>{14}
            << Points{{150, 223}, {164, 223}, {179, 223}, {193, 223}, {208, 223}, {223, 223}};
        QTest::newRow("4x4 up at 1.5") << 1.5 << 4 << QList<int>{11, 15}
            << Points{{266, 266}, {266, 248}, {266, 231}, {266, 214}, {266, 197}, {266, 180}};
        QTest::newRow("4x4 left at 2") << 2.0 << 4 << QList<int>{14, 15}
            << Points{{356, 356}, {332, 356}, {309, 356}, {286, 356}, {263, 356}, {240, 356}};
    }

    void slide() {
        QFETCH(double, scale);
        QFETCH(int, size);
        QFETCH(QList<int>, taps);
        QFETCH(Points, positions);
        if (qApp->devicePixelRatio() != scale)
            QSKIP("a row of the other scale");
        CSettings::PutDims(size);
        CSettings::PutUseAnim(false);
        CTestDlg d;
        const int tapped = taps.takeLast();
        for (int nCell : taps)
            d.Tap(nCell);
        // The window as the screen holds it, once its updates are painted.
        const auto onScreen = [&d] {
            QCoreApplication::processEvents();
            const QImage window = *dynamic_cast<QImage*>(d.backingStore()->paintDevice());
            return window.copy(QRect(QPoint(), d.Frame().size())).convertToFormat(QImage::Format_RGB32);
        };
        const int t = d.BoardView().TileSize();
        const QImage face = onScreen().copy(QRect(positions.takeFirst(), QSize(t, t)));
        CSettings::PutUseAnim(positions.size() > 1);
        d.Tap(tapped);
        for (const QPoint& at : positions) {
            if (at != positions.first())
                d.BoardView().SlideFrame();
            QCOMPARE(d.Frame().copy(QRect(at, QSize(t, t))), face);
        }
        QVERIFY(!d.BoardView().IsSliding());
        const QImage slid = onScreen();
        d.BoardView().Repaint();
        QCOMPARE(slid, onScreen());
    }

    // Every text shows whole in English with the application font as it is and
    // one and two points larger, and in every language at the first size and
    // twice that, the longest texts of the game and every record line
    // included; in English at 9 points the window, the pages and the
    // completion message look as drawn, each page over the window
    // (SLYDRA_NEW_LOOKS=1 writes the pictures afresh after a deliberate change).
    void texts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("scale");
        for (int points : {9, 10, 11})
            QTest::addRow("DejaVu Sans %d", points) << QString() << points << 1;
        // Each language the game speaks, by its catalog: slydra_de.qm.
        for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList()) {
            for (int scale : {1, 2})
                QTest::addRow("%s, %dx", qPrintable(file), scale) << file.mid(7).chopped(3) << 9 << scale;
        }
    }

    void texts() {
        QFETCH(QString, language);
        QFETCH(int, points);
        QFETCH(int, scale);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        CTranslations translations;
        translations.Load(QLocale(language));
        CTestDlg d;
        d.resize(QSize(240, 294) * scale);
        QStringList cut;
        QMap<int, QImage> looks;  // the window, Congratulations, About, Options, Best Scores, the completion message
        const auto check = [&](QWidget* pShown) {
            cut << Unreadable(*pShown);
            looks[looks.isEmpty() ? 2 : looks.lastKey() + 1] = pShown->grab().toImage();
        };
        for (const auto open : {&CSlydraDlg::OnAbout, &CSlydraDlg::OnOptions, &CSlydraDlg::OnBestScores}) {
            (d.*open)();
            check(d.Page() ? static_cast<QWidget*>(d.Page()) : d.Box());
            d.Page() ? d.Page()->reject() : d.Box()->reject();
        }
        // A 4x4 game won in 9999 moves and an hour: back and forth along the top row, then home.
        d.StartKnownGame(4);
        for (int i = 0; i < 9992; ++i)
            d.Game().MoveTile(0, 2 - i % 2);
        for (int i = 0; i < 3600; ++i)
            d.Game().Tick();
        d.Win();
        CCongratulationsDlg congratulations(&d);
        congratulations.m_strName = QStringLiteral("Anonymous");
        // Each record line; the last two left as drawn: both records' top line over the time's middle line.
        for (const auto& [moves, time] : {std::pair(true, false), {true, true}, {false, true}}) {
            congratulations.DescribeRecords(moves, time, 9999, FormatElapsed(3598), CScoreTable::LevelName(2));
            congratulations.UpdateData(false);
            cut << Unreadable(congratulations);
        }
        congratulations.m_strLine3.clear();
        congratulations.UpdateData(false);
        looks[0] = d.grab().toImage();
        cut << Unreadable(d);
        looks[1] = congratulations.grab().toImage();
        d.m_bRealBoxes = true;
        d.OnGridCompleted();
        check(d.Box());
        QApplication::setFont(QFont());
        QCOMPARE(cut, QStringList());
        QCOMPARE(looks.size(), 6);
        for (int i = 0; i < looks.size() && points == 9 && language.isEmpty(); ++i) {
            const QString file = QStringLiteral(SLYDRA_LOOKS "/%1.png").arg(i);
            if (qEnvironmentVariableIsSet("SLYDRA_NEW_LOOKS"))
                looks[i].save(file);
            const QImage drawn = QImage(file).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(looks[i].convertToFormat(QImage::Format_RGB32) == drawn, qPrintable(file));
        }
    }

    // Under a dark palette the labels and a page's title stand out by 4.5:1,
    // by the pixels drawn; under the light one the looks hold.
    void darkPalette() {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
        CTestDlg d;
        const QImage window = d.grab().toImage();
        const QImage page = COptionsDlg(&d).grab().toImage();
        QApplication::setPalette(light);
        QCOMPARE_GE(Contrast(window, QRect(5, 245, 195, 16)), 4.5);
        QCOMPARE_GE(Contrast(page, QRect(5, 0, 125, 26)), 4.5);
    }

    // The Options page shows the stored options and stores each change at
    // once, whichever button closes it; what is typed into the path box is not taken.
    void options_data() {
        QTest::addColumn<QString>("stored");  // Dims UseAnim UsePic FitPic Location
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shownThenStored");  // then the path box
        QTest::newRow("nothing stored, OK") << "" << "k" << "4x4 1 1 1 '' | 4 1 1 1 '' unchanged ''";
        QTest::newRow("stored, Cancel") << "5 0 0 0 /p.jpg" << "c"
                                        << "5x5 0 0 0 '/p.jpg' | 5 0 0 0 '/p.jpg' unchanged '/p.jpg'";
        QTest::newRow("a size outside 3..5") << "9 1 1 1" << "c" << " 1 1 1 '' | 9 1 1 1 '' unchanged ''";
        QTest::newRow("3x3, then Cancel") << "" << "3c" << "4x4 1 1 1 '' | 3 1 1 1 '' changed ''";
        QTest::newRow("Animation twice") << "" << "aak" << "4x4 1 1 1 '' | 4 1 1 1 '' changed ''";
        QTest::newRow("Use off") << "" << "uk" << "4x4 1 1 1 '' | 4 1 0 1 '' changed ''";
        QTest::newRow("Fit to board off") << "" << "fk" << "4x4 1 1 1 '' | 4 1 1 0 '' changed ''";
        QTest::newRow("a picture") << "" << "bc"
                                   << "4x4 1 1 1 '' | 4 1 1 1 '/me/cat.gif' changed '/me/cat.gif', told why";
        QTest::newRow("a path typed") << "" << "tk" << "4x4 1 1 1 '' | 4 1 1 1 '' unchanged ''";
    }

    void options() {
        QFETCH(QString, stored);
        QFETCH(QString, clicks);
        const QStringList v = stored.split(' ');
        if (!stored.isEmpty()) {
            CSettings::PutDims(v[0].toInt());
            CSettings::PutUseAnim(v[1] == "1");
            CSettings::PutUsePic(v[2] == "1");
            CSettings::PutFitPic(v[3] == "1");
            CSettings::PutLocation(v.value(4));
        }
        COptionsDlg dlg;
        dlg.open();
        QString seen = QStringLiteral("%1 %2 %3 %4 '%5' | ").arg(dlg.GridSizeBox()->currentText()).arg(
            dlg.AnimationBox()->isChecked()).arg(dlg.UsePictureBox()->isChecked()).arg(
            dlg.FitPictureBox()->isChecked()).arg(dlg.PathBox()->text());
        const QMap<QChar, QAbstractButton*> buttons{{'a', dlg.AnimationBox()}, {'u', dlg.UsePictureBox()},
                                                    {'f', dlg.FitPictureBox()},
                                                    {'b', dlg.findChildren<QPushButton*>().value(2)},
                                                    {'k', dlg.OkButton()}, {'c', dlg.CancelButton()}};
        for (const QChar click : clicks) {
            if (click == '3')
                QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Up);
            else if (click == 't')
                QTest::keyClicks(dlg.PathBox(), "/typed.jpg");
            else
                buttons[click]->click();
            // The chooser, opened over the page, picks a file that is no picture.
            if (auto* pChooser = dlg.findChild<QFileDialog*>(); pChooser && pChooser->isVisible()) {
                emit pChooser->fileSelected(QStringLiteral("/me/cat.gif"));
                pChooser->reject();
            }
        }
        seen += QStringLiteral("%1 %2 %3 %4 '%5' %6 '%7'").arg(CSettings::GetDims()).arg(CSettings::GetUseAnim()).arg(
            CSettings::GetUsePic()).arg(CSettings::GetFitPic()).arg(CSettings::GetLocation(),
                                                                     dlg.m_bChanged ? "changed" : "unchanged",
                                                                     dlg.PathBox()->text());
        seen += dlg.findChild<QMessageBox*>() ? ", told why" : "";
        QTEST(seen, "shownThenStored");
    }
};

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"
