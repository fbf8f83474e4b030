#include "FrameChecks.h"
#include "TestPictures.h"
#include "TestSupport.h"

#include "options/Settings.h"
#include "tools/GifWriter.h"

#include <QLabel>
#include <QPainter>

using namespace FrameChecks;

namespace {

const QColor& kFace = CTestEnvironment::kFace;

// The 232 x 232 tile picture with picture drawn at at on face.
QImage OnCanvas(const QImage& picture, const QPoint& at)
{
    QImage canvas(232, 232, QImage::Format_RGB32);
    canvas.fill(kFace);
    QPainter(&canvas).drawImage(at, picture);
    return canvas;
}

} // namespace

// What the main window shows, read back from its grabbed client area: the
// bevelled frame, the tiles, the tile picture made from the player's file,
// and the frames of a slide.
class PaintingTest : public CWidgetTest
{
    Q_OBJECT

private slots:
    void theBoardAndItsFrame_data()
    {
        QTest::addColumn<int>("size");
        for (int nSize = 3; nSize <= 5; ++nSize)
            QTest::addRow("%dx%d", nSize, nSize) << nSize;
    }

    void theBoardAndItsFrame()
    {
        QFETCH(int, size);
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        const QImage frame = dlg.Frame();
        QCOMPARE(frame.size(), QSize(240, 268));

        // Every pixel of the board square: the five bevelled rings, face, and
        // each tile a plain copy of its square of the letter sheet.
        const QImage sheet = LetterSheet(size);
        QCOMPARE(sheet.size(), QSize(232, 232));
        VERIFY_SAME(BoardDiff(frame, size, sheet));

        // Below the board: face, wherever the labels leave it showing.
        for (const QRect& area : {QRect(0, 240, 240, 5), QRect(200, 240, 40, 28), QRect(0, 261, 240, 7)})
            VERIFY_SAME(FirstPixelNot(frame, area, kFace));
        for (QLabel* pLabel : dlg.findChildren<QLabel*>())
            pLabel->hide();
        VERIFY_SAME(FirstPixelNot(dlg.Frame(), QRect(0, 240, 240, 28), kFace));

        // A blank in the top-left cell shows the innermost ring there.
        std::vector<int> cells = HomeOrder(size);
        std::swap(cells.front(), cells.back());
        dlg.m_board.m_cells = cells;
        dlg.InvalidateBoard();
        VERIFY_SAME(BoardDiff(dlg.Frame(), size, sheet, cells));
    }

    // A small picture is centred on face. Of a large one only the corner the
    // board shows is decoded; it must match a whole decode pixel for pixel,
    // chroma upsampling at the corner's edges included.
    void aPictureFileBecomesTheTilePicture_data()
    {
        QTest::addColumn<QString>("name");  // written first unless picture is null
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<bool>("use");
        QTest::addColumn<int>("size");
        QTest::addColumn<QImage>("tiles");   // the tile picture the board should show
        QTest::addColumn<int>("tolerance");  // on each channel
        QTest::addColumn<QSize>("full");     // the size the picture keeps, when checked

        const QImage small = TestPictures::Coordinates(200, 150);
        QImage stripes(101, 61, QImage::Format_RGB32);
        for (int y = 0; y < stripes.height(); ++y)
            for (int x = 0; x < stripes.width(); ++x)
                stripes.setPixel(x, y, (x / 3 + y / 5) % 3 == 0 ? qRgb(255, 0, 0)
                                       : (x + y) % 2             ? qRgb(0, 128, 0)
                                                                 : qRgb(10, 20, 30));
        QImage plain(232, 232, QImage::Format_RGB32);
        plain.fill(QColor(40, 170, 60));
        // Transparent pixels show the face colour, opaque ones their own.
        QImage clear = TestPictures::Coordinates(232, 232).convertToFormat(QImage::Format_ARGB32);
        QImage clearShown = clear.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 232; ++y) {
            for (int x = 0; x < 232; ++x) {
                if ((x / 10 + y / 10) % 2 == 0) {
                    clear.setPixel(x, y, qRgba(255, 0, 0, 0));
                    clearShown.setPixel(x, y, kFace.rgb());
                }
            }
        }
        QTest::newRow("small bmp centred") << "small.bmp" << small << true << 4 << OnCanvas(small, {16, 41}) << 0
                                           << QSize();
        QTest::newRow("gif, odd margins round down") << "stripes.gif" << stripes << true << 4
                                                      << OnCanvas(stripes, {65, 85}) << 0 << QSize();
        QTest::newRow("232 x 232 jpeg unchanged") << "plain.jpg" << plain << true << 4 << plain << 4 << QSize();
        QTest::newRow("transparent png") << "clear.png" << clear << true << 4 << clearShown << 0 << QSize();
        QTest::newRow("missing file: plain tiles") << "missing.jpg" << QImage() << true << 4 << OnCanvas({}, {}) << 0
                                                   << QSize();
        QTest::newRow("not used: letters") << "unused.png" << small << false << 4 << LetterSheet(4) << 0 << QSize();

        QImage photo(1601, 1203, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * x + y) % 256, (x ^ y) % 256));
        for (const char* pName : {"photo.jpg", "photo.png"}) {
            QVERIFY(photo.save(File(pName), nullptr, 80));
            const QImage whole = QImage(File(pName)).convertToFormat(QImage::Format_RGB32);
            for (int nSize = 3; nSize <= 5; ++nSize)
                QTest::addRow("large %s %dx%d", pName, nSize, nSize)
                    << QString(pName) << QImage() << true << nSize << whole << 0 << photo.size();
        }
    }

    void aPictureFileBecomesTheTilePicture()
    {
        QFETCH(QString, name);
        QFETCH(QImage, picture);
        QFETCH(bool, use);
        QFETCH(int, size);
        QFETCH(QImage, tiles);
        QFETCH(int, tolerance);
        QFETCH(QSize, full);
        const QString strPath = File(name);
        if (!picture.isNull())
            QVERIFY(name.endsWith(".gif") ? CGifWriter::Save(picture, strPath) : picture.save(strPath, nullptr, 100));
        CSettings::PutLocation(strPath);
        CSettings::PutUsePic(use);
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        VERIFY_SAME(BoardDiff(dlg.Frame(), size, tiles, {}, tolerance));
        QVERIFY(use || dlg.m_picture.Path().isEmpty());
        if (full.isValid())
            QCOMPARE(QSize(dlg.m_picture.Width(), dlg.m_picture.Height()), full);
        QVERIFY(dlg.m_questions.isEmpty());
    }

    // The file is read once per path: options that change something else,
    // or only the grid size, keep the picture as first decoded; the letter
    // sheet in between makes the next use read the file again.
    void aPictureIsDecodedOncePerPath()
    {
        const QString strPath = File(QStringLiteral("same.bmp"));
        const QImage before = OnCanvas(TestPictures::Coordinates(200, 150), {16, 41});
        QVERIFY(TestPictures::Coordinates(200, 150).save(strPath));
        CSettings::PutLocation(strPath);
        CTestSlydraDlg dlg;
        VERIFY_SAME(BoardDiff(dlg.Frame(), 4, before));

        QVERIFY(TestPictures::Coordinates(200, 150, 99).save(strPath));
        CSettings::PutUseAnim(false);
        dlg.ApplyOptions();
        CSettings::PutUseAnim(true);
        dlg.ApplyOptions();
        QCOMPARE(dlg.m_nOptionsShown, 2);
        VERIFY_SAME(BoardDiff(dlg.Frame(), 4, before));

        CSettings::PutDims(5);
        dlg.ApplyOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, before));

        // A file that has gone keeps the picture already held.
        CSettings::PutLocation(File(QStringLiteral("gone.bmp")));
        dlg.ApplyOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, before));

        CSettings::PutLocation(strPath);
        CSettings::PutUsePic(false);
        dlg.ApplyOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, LetterSheet(5)));

        CSettings::PutUsePic(true);
        dlg.ApplyOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, OnCanvas(TestPictures::Coordinates(200, 150, 99), {16, 41})));
    }

    void aSlideDrawsItsFrames_data()
    {
        QTest::addColumn<QPoint>("setup");  // (row, col) tapped first without animation; (-1, -1) for none
        QTest::addColumn<QPoint>("from");   // (row, col) tapped afterwards
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("tile");
        QTest::addColumn<bool>("animate");
        // How far the tile has moved from its old cell in each frame: edges
        // round down, so left and up lead by a pixel.
        QTest::addColumn<QList<int>>("moved");
        const QList<int> rightOrDown{11, 23, 34, 46, 58};
        const QList<int> leftOrUp{12, 24, 35, 47, 58};
        QTest::newRow("right") << QPoint(-1, -1) << QPoint(3, 2) << QPoint(3, 3) << 14 << true << rightOrDown;
        QTest::newRow("left") << QPoint(3, 2) << QPoint(3, 3) << QPoint(3, 2) << 14 << true << leftOrUp;
        QTest::newRow("down") << QPoint(-1, -1) << QPoint(2, 3) << QPoint(3, 3) << 11 << true << rightOrDown;
        QTest::newRow("up") << QPoint(2, 3) << QPoint(3, 3) << QPoint(2, 3) << 11 << true << leftOrUp;
        QTest::newRow("without animation") << QPoint(-1, -1) << QPoint(3, 2) << QPoint(3, 3) << 14 << false
                                           << QList<int>{58};
    }

    // Face fills what the tile leaves of its old cell, and the rest of the
    // board stays as it was.
    void aSlideDrawsItsFrames()
    {
        QFETCH(QPoint, setup);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, tile);
        QFETCH(bool, animate);
        QFETCH(QList<int>, moved);
        CSettings::PutUseAnim(false);
        CTestSlydraDlg dlg;
        if (setup.x() >= 0)
            dlg.Tap(setup.x(), setup.y());
        CSettings::PutUseAnim(animate);
        dlg.Frame();  // the window has been painted before the player taps

        const int t = dlg.m_nTileSize;
        const QImage sheet = LetterSheet(4);
        const QImage face = sheet.copy(t * (tile % 4), t * (tile / 4), t, t);
        const QRect oldCell(4 + t * from.y(), 4 + t * from.x(), t, t);
        const QRect both = oldCell.united(QRect(4 + t * to.y(), 4 + t * to.x(), t, t));
        const QPoint step(to.y() - from.y(), to.x() - from.x());
        const QImage home = ExpectedBoard(4, HomeOrder(4), sheet);

        dlg.Tap(from.x(), from.y());
        for (int k = 0; k < moved.size(); ++k) {
            if (k > 0) {
                QVERIFY(dlg.Ticking(CSlideAnimation::kTimerId));
                dlg.OnTimer(CSlideAnimation::kTimerId);
            }
            const QImage frame = dlg.Frame();
            const QPoint at = oldCell.topLeft() + step * moved[k];
            QImage expected = home;
            QPainter painter(&expected);
            painter.drawImage(both.topLeft(), frame.copy(both));
            painter.fillRect(oldCell, kFace);
            painter.drawImage(at, face);
            painter.end();
            const QString strDiff = FirstDifference(frame, QRect(0, 0, 240, 240), expected);
            QVERIFY2(strDiff.isEmpty(), qPrintable(QStringLiteral("frame %1: ").arg(k + 1) + strDiff));
        }
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));

        // Ticks after the slide has ended draw nothing.
        const QImage last = dlg.Frame();
        dlg.OnTimer(CSlideAnimation::kTimerId);
        QCOMPARE(dlg.Frame(), last);
    }

    // Away from the frame, the last frame of a slide leaves what a repaint shows.
    void aFinishedSlideMatchesARepaint()
    {
        CSettings::PutDims(3);
        CTestSlydraDlg dlg;
        dlg.Frame();
        dlg.Tap(1, 2);
        for (int tick = 0; tick < 4; ++tick)
            dlg.OnTimer(CSlideAnimation::kTimerId);
        const QImage slid = dlg.Frame();
        dlg.InvalidateBoard();
        QCOMPARE(slid, dlg.Frame());
        VERIFY_SAME(BoardDiff(slid, 3, LetterSheet(3), {0, 1, 2, 3, 4, 8, 6, 7, 5}));
    }
};

QTEST_MAIN(PaintingTest)
#include "tst_painting.moc"
