#include "Harness.h"

#include "options/OptionsDlg.h"

// The tile picture a player's file makes: the letters when it cannot be shown,
// with the reason on the Options page; a photo turned upright; the prepared
// picture kept between starts, and made anew when the file changes.
class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QByteArray Square(const char* format, Qt::GlobalColor colour = Qt::red, QSize size = {100, 100}) {
        QImage square(size, QImage::Format_ARGB32);
        QBuffer buffer;
        square.fill(colour);
        square.save(&buffer, format);
        return buffer.data();
    }

    // A file of tests/ui/pictures: red.gif, 8 x 8; interlaced.png, 100 x 100; large.png, 9000 x 5000 and
    // see-through but for a red square under the board's middle.
    static QByteArray Picture(const char* name) {
        QFile file(QStringLiteral(SLYDRA_PICTURES "/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the board shows at its middle: the 100 x 100 picture, the letters (A's blue stroke), or the face colour.
    static QString Shown(const QImage& frame) {
        const QColor centre = frame.pixelColor(120, 120);
        if (frame.pixelColor(20, 20) == kFace && centre != kFace)
            return centre.red() > 200 ? "red" : centre.blue() > 200 ? "blue" : "other";
        return frame.pixelColor(25, 33) == QColor(Qt::blue) ? "letters" : centre == kFace ? "face" : "other";
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }

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
        QTest::newRow("missing") << "gone.jpg" << "missing" << QByteArray() << missing << "letters";
        QTest::newRow("text named .jpg") << "text.jpg" << "" << QByteArray("no picture") << junk << "letters";
        QTest::newRow("empty") << "empty.png" << "" << QByteArray() << junk << "letters";
        for (const char* k : {"folder", "fifo", "/dev/zero", "/proc/self/mem"})
            QTest::addRow("%s", k) << QString(k).replace('/', '-') + ".jpg" << k << QByteArray() << junk << "letters";
        QTest::newRow("HEIC") << "x.heic" << "" << QByteArray("\0\0\0\x18" "ftypheic", 12) << unreadable << "letters";
        QTest::newRow("10001 wide") << "wide.png" << "" << Square("PNG", Qt::red, {10001, 2}) << tooLarge << "letters";
        QTest::newRow("BMP 65535 x 65535") << "bomb.bmp" << "" << bmp("ffff0000ffff0000") << junk << "letters";
        QTest::newRow("BMP 9000 x 5000") << "big.bmp" << "" << bmp("2823000088130000") << tooLarge << "letters";
        // Within the limits, so decoded, and found cut short.
        QTest::newRow("BMP 6000 x 5000") << "cut.bmp" << "" << bmp("7017000088130000") << junk << "letters";
        QTest::newRow("BMP 10000 x 1") << "line.bmp" << "" << Square("BMP", Qt::red, {10000, 1}) << "" << "face";
        QTest::newRow("BMP 10001 x 1") << "w.bmp" << "" << Square("BMP", Qt::red, {10001, 1}) << tooLarge << "letters";
        QTest::newRow("BMP 1 x 10001") << "t.bmp" << "" << Square("BMP", Qt::red, {1, 10001}) << tooLarge << "letters";
        QTest::newRow("PNG 9000 x 5000") << "large.png" << "" << Picture("large.png") << "" << "red";
        QTest::newRow("interlaced PNG") << "interlaced.png" << "" << Picture("interlaced.png") << "" << "red";
    }

    void chosen() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        const QString path = m_dir.filePath(name);
        Make(path, kind, bytes);
        if (kind == "missing")
            QFile::remove(path);
        COptionsDlg dlg;
        dlg.OnPictureChosen(path);
        const QString full = "This picture cannot be shown: " + said + "\nThe tiles show letters instead.";
        auto* pTold = dlg.findChild<QMessageBox*>();
        QCOMPARE(pTold ? pTold->text() : "", said.isEmpty() ? "" : full);
        CTestDlg d;
        QTEST(Shown(d.Frame()), "shown");
        // A screen reader numbers the tiles of a picture and names the letters.
        QCOMPARE(d.BoardText().section(',', 0, 0), said.isEmpty() ? "1" : "A");
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

    // A red picture is prepared at one start; before the next, its file or the cache folder changes:
    // blue bytes of the same size and time (b), a new time (t), the cache file damaged (d), the
    // picture file gone (g).
    void cache_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("the file's bytes alone") << "b" << "red";
        QTest::newRow("bytes and time") << "bt" << "blue";
        QTest::newRow("a damaged cache") << "bd" << "blue";
        QTest::newRow("the file gone") << "g" << "letters";
    }

    void cache() {
        QFETCH(QString, steps);
        const QString path = m_dir.filePath(QStringLiteral("photo.bmp"));
        const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
        CSettings::PutLocation(path);
        for (const QChar step : QStringLiteral("rw") + steps) {
            if (step == 'b' || step == 'r')
                Make(path, "", Square("BMP", step == 'b' ? Qt::blue : Qt::red));
            if (step == 'b' || step == 'r' || step == 't') {
                QFile file(path);
                file.open(QIODevice::ReadWrite);
                file.setFileTime(step == 't' ? time.addSecs(1) : time, QFileDevice::FileModificationTime);
            }
            if (step == 'd') {  // four other bytes in the middle of the prepared picture
                QFile cached(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/picture");
                cached.open(QIODevice::ReadWrite);
                cached.seek(cached.size() / 2);
                cached.write("\1\2\3\4");
            }
            if (step == 'w')
                CTestDlg().Frame();
            if (step == 'g')
                QFile::remove(path);
        }
        QTEST(Shown(CTestDlg().Frame()), "shown");
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
