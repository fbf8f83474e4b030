#include "Harness.h"

#include "options/OptionsDlg.h"

#include <random>

using Points = QList<QPoint>;

// The tile picture a player's file makes: the letters when it cannot be shown,
// with the reason on the Options page or once at a start; a photo turned
// upright; a fitted picture at the board's own resolution; the prepared
// picture kept between starts, made anew when the file changes, and never
// written through a link; the chooser.
class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QByteArray Square(const char* format, const QColor& colour = Qt::red, QSize size = {100, 100}) {
        QImage square(size, QImage::Format_ARGB32);
        QBuffer buffer;
        square.fill(colour);
        square.save(&buffer, format);
        return buffer.data();
    }

    // A file of tests/ui/pictures: red.gif, 8 x 8; interlaced.png, 100 x 100; large.png, 9000 x 5000 and
    // see-through but for two red squares, one under the board's middle unfitted, one fitted.
    static QByteArray Picture(const char* name) {
        QFile file(QStringLiteral(SLYDRA_PICTURES "/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the board shows: the letters, as a screen reader reads them, or at its middle a picture's
    // colour or the face colour.
    static QString Shown(CTestDlg& d) {
        const QColor centre = d.Frame().pixelColor(120, 120);
        if (d.BoardText().startsWith('A'))
            return "letters";
        return centre == kFace ? "face" : centre.red() > 200 ? "red" : centre.blue() > 200 ? "blue" : "other";
    }

    // A square of q pixels, a checkerboard with black at its top left, between red strips 8 pixels wide.
    static QImage Checkers(int q) {
        QImage picture(q + 16, q, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < q; ++y) {
            auto* pRow = reinterpret_cast<QRgb*>(picture.scanLine(y)) + 8;
            for (int x = 0; x < q; ++x)
                pRow[x] = (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
        return picture;
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }
    void init() { ForgetEverything(); }

    // The file chosen with "...": what the Options page says, and what the board shows.
    void chosen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");  // after "This picture cannot be shown: "
        QTest::addColumn<QString>("shown");
        const QString missing = "the file is not there, or it may not be read.";
        const QString junk = "the file is not a picture, or it is damaged.";
        const QString tooLarge = "it is too large. A smaller copy of it will do.";
        const QString unreadable = "it is in a format this system cannot read. A copy saved as JPEG or PNG will do.";
        const QByteArray gif = Picture("red.gif");
        const auto bmp = [](const char* size) {
            const QByteArray hex = QByteArray("424d36000000000000003600000028000000") + size + "01001800";
            return QByteArray::fromHex(hex) + QByteArray(88, '\0');
        };
        for (const auto& [format, bytes] : QList<std::pair<const char*, QByteArray>>{
                 {"png", Square("PNG")}, {"jpg", Square("JPG")}, {"bmp", Square("BMP")}, {"gif", gif},
                 {"webp", Square("WEBP")}, {"tif", Square("TIFF")}}) {
            QTest::addRow("%s", format) << QStringLiteral("whole.") + format << "" << bytes << "" << "red";
            for (int cut : {20, int(bytes.size() / 2), int(bytes.size() - 13)})
                QTest::addRow("%s cut at %d", format, cut)
                    << QStringLiteral("cut.") + format << "" << bytes.left(cut) << junk << "letters";
        }
        QTest::newRow("GIF named .jpg") << "gif.jpg" << "" << gif << "" << "red";
        QTest::newRow("see-through PNG") << "clear.png" << "" << Square("PNG", Qt::transparent) << "" << "face";
        QTest::newRow("PNG half see-through") << "h.png" << "" << Square("PNG", QColor(255, 0, 0, 128)) << "" << "red";
        QTest::newRow("missing") << "gone.jpg" << "missing" << QByteArray() << missing << "letters";
        QTest::newRow("text named .jpg") << "text.jpg" << "" << QByteArray("no picture") << junk << "letters";
        QTest::newRow("empty") << "empty.png" << "" << QByteArray() << junk << "letters";
        for (const char* k : {"folder", "fifo", "/dev/zero", "/proc/self/mem"})
            QTest::addRow("%s", k) << QString(k).replace('/', '-') + ".jpg" << k << QByteArray() << junk << "letters";
        QTest::newRow("HEIC") << "x.heic" << "" << QByteArray("\0\0\0\x18" "ftypheic", 12) << unreadable << "letters";
        // Its reader builds frames beyond the decode limit, whatever the file declares.
        // A progressive JPEG's decoder would hold 300 MB for what its header declares.
        QBuffer progressive;
        progressive.open(QIODevice::WriteOnly);
        QImageWriter writer(&progressive, "JPEG");
        writer.setProgressiveScanWrite(true);
        writer.write(QImage(16, 16, QImage::Format_RGB32));
        QByteArray huge = progressive.data();
        huge.replace(huge.indexOf("\xff\xc2") + 5, 4, "\x27\x10\x27\x10");
        QTest::newRow("progressive JPEG 10000 x 10000") << "huge.jpg" << "" << huge << tooLarge << "letters";
        const QByteArray mng("\x8aMNG\r\n\x1a\n\0\0\0\x1cMHDR", 16);
        QTest::newRow("MNG") << "x.mng" << "" << mng << unreadable << "letters";
        QTest::newRow("WebP of 200 MB") << "padded.webp" << "huge" << Square("WEBP") << tooLarge << "letters";
        QTest::newRow("10001 wide") << "wide.png" << "" << Square("PNG", Qt::red, {10001, 2}) << tooLarge << "letters";
        QTest::newRow("BMP 65535 x 65535") << "bomb.bmp" << "" << bmp("ffff0000ffff0000") << junk << "letters";
        QTest::newRow("BMP 9000 x 5000") << "big.bmp" << "" << bmp("2823000088130000") << tooLarge << "letters";
        // Within the limits, so decoded, and found cut short.
        QTest::newRow("BMP 6000 x 5000") << "cut.bmp" << "" << bmp("7017000088130000") << junk << "letters";
        QTest::newRow("BMP 10000 x 1") << "line.bmp" << "" << Square("BMP", Qt::red, {10000, 1}) << "" << "red";
        QTest::newRow("BMP 10000 x 1 unfitted") << "line.bmp" << "off" << Square("BMP", Qt::red, {10000, 1}) << ""
                                               << "face";
        QTest::newRow("BMP 1 x 10001") << "t.bmp" << "" << Square("BMP", Qt::red, {1, 10001}) << tooLarge << "letters";
        QTest::newRow("PNG 9000 x 5000") << "large.png" << "" << Picture("large.png") << "" << "red";
        QTest::newRow("PNG 9000 x 5000 unfitted") << "large.png" << "off" << Picture("large.png") << "" << "red";
        QTest::newRow("interlaced PNG") << "interlaced.png" << "" << Picture("interlaced.png") << "" << "red";
        // Decoded only where the board shows it: a 45-megapixel JPEG whole is beyond the decode limit, and the
        // corner of a PNG cut short is there (red and random green, so that it takes many chunks).
        const QByteArray photo = Square("JPG", Qt::red, {9000, 5000});
        QTest::newRow("JPEG 9000 x 5000") << "photo.jpg" << "" << photo << "" << "red";
        QTest::newRow("JPEG 9000 x 5000 unfitted") << "photo.jpg" << "off" << photo << "" << "red";
        QImage noise(300, 1000, QImage::Format_RGB32);
        std::generate_n(reinterpret_cast<quint32*>(noise.bits()), 300 * 1000,
                        [random = std::minstd_rand()]() mutable { return 0xffff0000u | (random() & 0xff00u); });
        QBuffer cut;
        noise.save(&cut, "PNG");
        QTest::newRow("PNG of 1000 rows cut in half, unfitted") << "cut.png" << "off" << cut.data().left(cut.size() / 2)
                                                              << "" << "red";
        QTest::newRow("not used") << "unused.png" << "unused" << Square("PNG") << "" << "letters";
    }

    void chosen() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        const QString path = m_dir.filePath(name);
        Make(path, kind, bytes);
        if (kind == "huge")
            QFile::resize(path, 200 << 20);
        CSettings::PutFitPic(kind != "off");
        CSettings::PutUsePic(kind != "unused");
        COptionsDlg dlg;
        dlg.OnPictureChosen(path);
        const QString full = "This picture cannot be shown: " + said + "\nThe tiles show letters instead.";
        auto* pTold = dlg.findChild<QMessageBox*>();
        QCOMPARE(pTold ? pTold->text() : "", said.isEmpty() ? "" : full);
        CTestDlg d;
        QTEST(Shown(d), "shown");
        // Told on the page, so not again at the start.
        QCOMPARE(d.m_asked, QStringList());
    }

    // pictures/upright-N.jpg: a 360 x 280 photo in four colours, red at the top left, green at the bottom left,
    // blue at the top right, black at the bottom right, tagged with orientation N, stands as its tag says: the
    // colour at (111, 71) of the upright photo.
    void upright_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("1, as stored") << 1 << QColor(Qt::red);
        QTest::newRow("6, a quarter clockwise") << 6 << QColor(Qt::green);
        QTest::newRow("8, a quarter anticlockwise") << 8 << QColor(Qt::blue);
    }

    void upright() {
        QFETCH(int, orientation);
        CSettings::PutLocation(QStringLiteral(SLYDRA_PICTURES "/upright-%1.jpg").arg(orientation));
        const QColor c = CTestDlg().Frame().pixelColor(115, 75);
        QTEST(QColor(c.red() > 127 ? 255 : 0, c.green() > 127 ? 255 : 0, c.blue() > 127 ? 255 : 0), "shown");
    }

    // A red picture is prepared at one start; before the next, its file or the cache folder changes: blue
    // bytes of the same size and time (b), the middle half of the cache file zeroed (d), the picture file gone
    // (g), or the cache file a link to a file of the player's (m) or to the picture (p) before another start (w).
    // A cache file dated back a minute (o) is read at the next start, not written again.
    void cache_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("replaced, its size and time kept") << "b" << "blue";
        QTest::newRow("a damaged cache") << "d" << "red";
        QTest::newRow("read back") << "ow" << "red";
        QTest::newRow("the file gone") << "g" << "letters";
        QTest::newRow("a link to a file of the player's") << "mw" << "red";
        QTest::newRow("a link to the picture") << "pw" << "red";
    }

    void cache() {
        QFETCH(QString, steps);
        const QString path = m_dir.filePath(QStringLiteral("photo.bmp"));
        const QString cached = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/picture";
        const QString mine = m_dir.filePath(QStringLiteral("mine.txt"));
        Make(mine, "", "the player's own");
        const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
        CSettings::PutLocation(path);
        for (const QChar step : QStringLiteral("rw") + steps) {
            if (step == 'b' || step == 'r')
                Make(path, "", Square("BMP", step == 'b' ? Qt::blue : Qt::red));
            if (step == 'b' || step == 'r' || step == 'o') {
                QFile file(step == 'o' ? cached : path);
                file.open(QIODevice::ReadWrite);
                file.setFileTime(time, QFileDevice::FileModificationTime);
            }
            if (step == 'd') {
                QFile file(cached);
                file.open(QIODevice::ReadWrite);
                file.seek(file.size() / 4);
                file.write(QByteArray(int(file.size() / 2), '\0'));
            }
            if (step == 'm' || step == 'p')
                Make(cached, step == 'm' ? mine : path);
            if (step == 'w')
                CTestDlg().Frame();
            if (step == 'g')
                QFile::remove(path);
        }
        CTestDlg d;
        QTEST(Shown(d), "shown");
        QCOMPARE(QFileInfo(cached).lastModified() == time, steps.startsWith('o'));
        QFile file(mine);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "the player's own");
    }

    // A picture that cannot be shown at start is told once; the next start shows the letters alone.
    void toldOnce() {
        CSettings::PutLocation(m_dir.filePath(QStringLiteral("nowhere.jpg")));
        QStringList asked;
        for (int i = 0; i < 2; ++i) {
            CTestDlg d;
            d.Frame();
            asked << d.m_asked;
        }
        QCOMPARE(asked, QStringList("Slydra: This picture cannot be shown: the file is not there, or it may not "
                                    "be read.\nThe tiles show letters instead."));
    }

    // A fitted picture's middle square covers the board at its device resolution, a line one ring wide in the
    // dark shadow along each tile's right and bottom edges: at one to one, a q-pixel checkerboard shows as drawn;
    // at two to one, its mean grey. Unfitted, the picture's top-left corner is scaled as the board is. The rows
    // of the other scale (QT_SCALE_FACTOR) are skipped; CTest runs this at 1 and 2.
    void fitted_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("q");
        QTest::addColumn<Points>("points");
        QTest::addColumn<QString>("colours");  // black, white, grey, dark shadow, red
        const Points first = {{4, 4}, {5, 4}, {4, 5}, {60, 4}, {61, 4}, {62, 4}, {4, 61}, {234, 4}, {235, 4}};
        const Points twice = {{8, 8}, {9, 8}, {8, 9}, {121, 8}, {122, 8}, {123, 8}, {124, 8}, {469, 8}, {471, 8}};
        const Points fourTimes = {{16, 16}, {17, 16}, {243, 16}, {244, 16}, {247, 16}, {248, 16}, {943, 16}};
        QTest::newRow("PNG, 240 x 294") << QSize(240, 294) << 1.0 << "PNG" << 232 << first << "bwwbdbdbd";
        QTest::newRow("PNG, 480 x 588") << QSize(480, 588) << 1.0 << "PNG" << 464 << twice << "bwwwddbwd";
        QTest::newRow("interlaced PNG") << QSize(240, 294) << 1.0 << "interlaced" << 232 << first << "bwwbdbdbd";
        QTest::newRow("BMP, two to one") << QSize(240, 294) << 1.0 << "BMP" << 464 << first << "ggggdgdgd";
        QTest::newRow("BMP unfitted") << QSize(240, 294) << 1.0 << "BMP off" << 232 << Points{{11, 4}, {12, 4}} << "rb";
        QTest::newRow("unfitted") << QSize(480, 588) << 1.0 << "off" << 464 << Points{{10, 10}, {20, 20}} << "rr";
        QTest::newRow("unfitted at 1.25 times") << QSize(300, 400) << 1.0 << "off" << 232 << Points{{12, 40}} << "r";
        QTest::newRow("PNG, 240 x 294 at 2") << QSize(240, 294) << 2.0 << "PNG" << 464 << twice << "bwwwddbwd";
        QTest::newRow("PNG, 480 x 588 at 2") << QSize(480, 588) << 2.0 << "PNG" << 928 << fourTimes << "bwwddbd";
        QTest::newRow("PNG, two to one, at 2") << QSize(240, 294) << 2.0 << "PNG" << 928 << twice << "ggggddggd";
    }

    void fitted() {
        QFETCH(QSize, window);
        QFETCH(QString, format);
        QFETCH(int, q);
        QFETCH(Points, points);
        QFETCH(double, scale);
        if (qApp->devicePixelRatio() != scale)
            QSKIP("a row of the other scale");
        const QString path = m_dir.filePath(QStringLiteral("checkers"));
        QBuffer drawn;
        drawn.open(QIODevice::WriteOnly);
        Checkers(q).save(&drawn, format.startsWith("BMP") ? "BMP" : "PNG");
        Make(path, "", format == "interlaced" ? Picture("checker-interlaced.png") : drawn.data());
        CSettings::PutLocation(path);
        CSettings::PutFitPic(!format.endsWith("off"));
        CTestDlg d;
        d.show();
        d.resize(window);
        const QImage frame = d.Frame();
        const QHash<QRgb, QChar> names{{qRgb(0, 0, 0), 'b'}, {qRgb(255, 255, 255), 'w'}, {qRgb(128, 128, 128), 'g'},
                                       {kDark.rgb(), 'd'}, {qRgb(255, 0, 0), 'r'}};
        QString seen;
        for (const QPoint& point : points)
            seen += names.value(frame.pixel(point), '?');
        QTEST(seen, "colours");
    }

    // The chooser opens in the current picture's folder, else the Pictures folder, else the home folder, with
    // the first filter, every format the board shows in either case, selected; the desktop's own where there is one.
    void chooser_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("folders");  // made before
        QTest::addColumn<QString>("opened");
        QTest::newRow("no picture yet") << "" << "home/Pictures" << "home/Pictures";
        QTest::newRow("no Pictures folder") << "" << "home" << "home";
        QTest::newRow("a picture") << "album/cat.jpg" << "home/Pictures album" << "album";
        QTest::newRow("its folder gone") << "gone/cat.jpg" << "home/Pictures" << "home/Pictures";
    }

    void chooser() {
        QFETCH(QString, current);
        QFETCH(QString, folders);
        QDir root(m_dir.filePath(QStringLiteral("chooser")));
        root.removeRecursively();
        for (const QString& folder : folders.split(' '))
            root.mkpath(folder);
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
        QFileDialog dialog;
        COptionsDlg::SetUpChooser(dialog, current.isEmpty() ? current : root.filePath(current));
        qputenv("HOME", home);
        QTEST(root.relativeFilePath(dialog.directory().absolutePath()), "opened");
        const QString first = dialog.nameFilters().constFirst();
        QCOMPARE(dialog.selectedNameFilter(), first);
        QVERIFY2(first.contains("*.jpg *.JPG") && first.contains("*.png") && !first.contains("mng"), qPrintable(first));
        QVERIFY(!dialog.testOption(QFileDialog::DontUseNativeDialog));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
