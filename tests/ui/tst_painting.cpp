#include "FrameChecks.h"
#include "TestPictures.h"
#include "TestSupport.h"

#include "options/Settings.h"
#include "tools/GifWriter.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace FrameChecks;

namespace {

const QColor kWhite(255, 255, 255);

// The tile picture a picture smaller than 232 x 232 becomes: centred on face.
QImage OnCanvas(const QImage& picture)
{
    QImage canvas(232, 232, QImage::Format_RGB32);
    canvas.fill(CTestEnvironment::kFace);
    const QPoint at((232 - picture.width()) / 2, (232 - picture.height()) / 2);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            canvas.setPixel(at.x() + x, at.y() + y, picture.pixel(x, y));
    return canvas;
}

// Empty when the board square of frame is what a repaint of these cells shows.
QString BoardDiff(const QImage& frame, int nSize, const std::vector<int>& cells, const QImage& tilePicture)
{
    return FirstDifference(frame, QRect(0, 0, 240, 240), ExpectedBoard(nSize, cells, tilePicture));
}

void UsePicture(const QString& strPath)
{
    CSettings::PutLocation(strPath);
    CSettings::PutUsePic(true);
}

} // namespace

// What the main window shows, read back from its grabbed client area: the
// bevelled frame, the tiles, the tile picture made from the player's file,
// and the frames of a slide.
class PaintingTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;
    QTemporaryDir m_files;

    QString File(const QString& strName) const { return m_files.filePath(strName); }

private slots:
    void initTestCase()
    {
        m_env = new CTestEnvironment;
        QVERIFY(m_files.isValid());
    }
    void cleanupTestCase() { delete m_env; }
    void init() { m_env->ClearSettings(); }

    // ---- the board ---------------------------------------------------------

    void theBoardInHomeOrder_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("3x3") << 3;
        QTest::newRow("4x4") << 4;
        QTest::newRow("5x5") << 5;
    }

    void theBoardInHomeOrder()
    {
        QFETCH(int, size);
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        const QImage frame = dlg.Frame();
        QCOMPARE(frame.size(), QSize(240, 268));

        // Each ring's top-left corner takes its first colour, the other three
        // corners its second. Ring 5's corners are checked below, by size.
        const QColor first[4] = {CTestEnvironment::kFace, kWhite, CTestEnvironment::kFace,
                                 CTestEnvironment::kDarkShadow};
        const QColor second[4] = {CTestEnvironment::kDarkShadow, CTestEnvironment::kShadow, kWhite,
                                  CTestEnvironment::kFace};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frame.pixelColor(i, i), first[i]);
            QCOMPARE(frame.pixelColor(239 - i, i), second[i]);
            QCOMPARE(frame.pixelColor(i, 239 - i), second[i]);
            QCOMPARE(frame.pixelColor(239 - i, 239 - i), second[i]);
        }

        // Ring 5 (shadow, dark shadow) where the tiles leave it visible.
        const QRect darkRight(235, 4, 1, 232);
        const QRect darkBottom(4, 235, 232, 1);
        if (size == 3) {
            VERIFY_SAME(FirstPixelNot(frame, darkRight, CTestEnvironment::kDarkShadow));
            VERIFY_SAME(FirstPixelNot(frame, darkBottom, CTestEnvironment::kDarkShadow));
        } else if (size == 4) {
            // Tiles reach 235; only the blank cell lets ring 5 through.
            VERIFY_SAME(FirstPixelNot(frame, QRect(178, 178, 57, 57), CTestEnvironment::kFace));
            VERIFY_SAME(FirstPixelNot(frame, QRect(235, 178, 1, 58), CTestEnvironment::kDarkShadow));
            VERIFY_SAME(FirstPixelNot(frame, QRect(178, 235, 58, 1), CTestEnvironment::kDarkShadow));
        } else {
            VERIFY_SAME(FirstPixelNot(frame, QRect(234, 5, 1, 230), CTestEnvironment::kFace));
            VERIFY_SAME(FirstPixelNot(frame, QRect(5, 234, 230, 1), CTestEnvironment::kFace));
            QCOMPARE(frame.pixelColor(234, 4), CTestEnvironment::kShadow);
            QCOMPARE(frame.pixelColor(4, 234), CTestEnvironment::kShadow);
            VERIFY_SAME(FirstPixelNot(frame, darkRight, CTestEnvironment::kDarkShadow));
            VERIFY_SAME(FirstPixelNot(frame, darkBottom, CTestEnvironment::kDarkShadow));
        }

        // Every pixel of the board square: rings, face, and each tile a plain
        // copy of its square of the letter sheet.
        const QImage sheet = LetterSheet(size);
        QCOMPARE(sheet.size(), QSize(232, 232));
        VERIFY_SAME(BoardDiff(frame, size, HomeOrder(size), sheet));

        // Below the board: face, wherever the labels leave it showing.
        VERIFY_SAME(FirstPixelNot(frame, QRect(0, 240, 240, 5), CTestEnvironment::kFace));
        VERIFY_SAME(FirstPixelNot(frame, QRect(200, 240, 40, 28), CTestEnvironment::kFace));
        VERIFY_SAME(FirstPixelNot(frame, QRect(0, 261, 240, 7), CTestEnvironment::kFace));
        for (QLabel* pLabel : dlg.findChildren<QLabel*>())
            pLabel->hide();
        VERIFY_SAME(FirstPixelNot(dlg.Frame(), QRect(0, 240, 240, 28), CTestEnvironment::kFace));
    }

    void aBlankInTheTopLeftCellShowsRingFive_data() { theBoardInHomeOrder_data(); }

    void aBlankInTheTopLeftCellShowsRingFive()
    {
        QFETCH(int, size);
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        std::vector<int> cells = HomeOrder(size);
        std::swap(cells.front(), cells.back());
        dlg.m_board.m_cells = cells;
        dlg.InvalidateBoard();
        const QImage frame = dlg.Frame();

        const int t = dlg.m_nTileSize;
        VERIFY_SAME(FirstPixelNot(frame, QRect(4, 4, t, 1), CTestEnvironment::kShadow));
        VERIFY_SAME(FirstPixelNot(frame, QRect(4, 4, 1, t), CTestEnvironment::kShadow));
        VERIFY_SAME(FirstPixelNot(frame, QRect(5, 5, t - 1, t - 1), CTestEnvironment::kFace));
        // Tile 0 now lies in the bottom-right cell, with the face of "A".
        VERIFY_SAME(FirstDifference(frame, QRect(4 + (size - 1) * t, 4 + (size - 1) * t, t, t),
                                    LetterSheet(size).copy(0, 0, t, t)));
        VERIFY_SAME(BoardDiff(frame, size, cells, LetterSheet(size)));
    }

    // ---- the tile picture ----------------------------------------------------

    void aSmallPictureIsCentredOnFace()
    {
        const QImage picture = TestPictures::Coordinates(200, 150);
        QVERIFY(picture.save(File(QStringLiteral("small.bmp"))));
        UsePicture(File(QStringLiteral("small.bmp")));
        CTestSlydraDlg dlg;
        const QImage frame = dlg.Frame();

        // Tile-picture pixel (px, py) shows at (4 + px, 4 + py) of the home board;
        // the picture starts at (16, 41) of the tile picture.
        QCOMPARE(frame.pixel(4 + 16, 4 + 41), picture.pixel(0, 0));
        QCOMPARE(frame.pixelColor(4 + 15, 4 + 41), CTestEnvironment::kFace);
        QCOMPARE(frame.pixelColor(4 + 16, 4 + 40), CTestEnvironment::kFace);
        QCOMPARE(frame.pixel(4 + 215, 4 + 100), picture.pixel(199, 59));
        QCOMPARE(frame.pixelColor(4 + 216, 4 + 100), CTestEnvironment::kFace);
        QCOMPARE(frame.pixel(4 + 100, 4 + 190), picture.pixel(84, 149));
        QCOMPARE(frame.pixelColor(4 + 100, 4 + 191), CTestEnvironment::kFace);
        VERIFY_SAME(BoardDiff(frame, 4, HomeOrder(4), OnCanvas(picture)));
    }

    void aLargePictureShowsItsTopLeftCorner_data() { theBoardInHomeOrder_data(); }

    void aLargePictureShowsItsTopLeftCorner()
    {
        QFETCH(int, size);
        const QImage picture = TestPictures::Coordinates(640, 480);
        QVERIFY(picture.save(File(QStringLiteral("large.png"))));
        UsePicture(File(QStringLiteral("large.png")));
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        VERIFY_SAME(BoardDiff(dlg.Frame(), size, HomeOrder(size), picture));
    }

    // Only the corner the board shows is decoded; it must match a whole decode
    // pixel for pixel, chroma upsampling at the corner's edges included.
    void aLargeJpegShowsExactlyWhatAWholeDecodeShows_data() { theBoardInHomeOrder_data(); }

    void aLargeJpegShowsExactlyWhatAWholeDecodeShows()
    {
        QFETCH(int, size);
        QImage photo(1601, 1203, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * x + y) % 256, (x ^ y) % 256));
        const QString strPath = File(QStringLiteral("photo.jpg"));
        QVERIFY(photo.save(strPath, "JPEG", 80));
        const QImage whole = QImage(strPath).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(whole.size(), photo.size());

        UsePicture(strPath);
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        QCOMPARE(dlg.m_picture.Width(), 1601);
        QCOMPARE(dlg.m_picture.Height(), 1203);
        VERIFY_SAME(BoardDiff(dlg.Frame(), size, HomeOrder(size), whole));
    }

    void gifJpegAndTransparentPicturesDecode()
    {
        // A GIF of a few colours, 101 x 61: odd margins round down, to (65, 85).
        QImage stripes(101, 61, QImage::Format_RGB32);
        for (int y = 0; y < stripes.height(); ++y)
            for (int x = 0; x < stripes.width(); ++x)
                stripes.setPixel(x, y, (x / 3 + y / 5) % 3 == 0 ? qRgb(255, 0, 0)
                                       : (x + y) % 2             ? qRgb(0, 128, 0)
                                                                 : qRgb(10, 20, 30));
        QVERIFY(CGifWriter::Save(stripes, File(QStringLiteral("stripes.gif"))));
        UsePicture(File(QStringLiteral("stripes.gif")));
        {
            CTestSlydraDlg dlg;
            VERIFY_SAME(BoardDiff(dlg.Frame(), 4, HomeOrder(4), OnCanvas(stripes)));
        }

        // A JPEG of one colour, 232 x 232: used unchanged, within the codec's error.
        const QColor green(40, 170, 60);
        QImage plain(232, 232, QImage::Format_RGB32);
        plain.fill(green);
        QVERIFY(plain.save(File(QStringLiteral("plain.jpg")), nullptr, 100));
        UsePicture(File(QStringLiteral("plain.jpg")));
        {
            CTestSlydraDlg dlg;
            const QImage frame = dlg.Frame();
            for (int y = 4; y < 4 + 58 * 3; y += 7) {
                for (int x = 4; x < 236; x += 7) {
                    const QColor got = frame.pixelColor(x, y);
                    QVERIFY2(qAbs(got.red() - green.red()) <= 4 && qAbs(got.green() - green.green()) <= 4
                                 && qAbs(got.blue() - green.blue()) <= 4,
                             qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(got.name())));
                }
            }
        }

        // Transparent pixels show the face colour, opaque ones their own.
        QImage clear = TestPictures::Coordinates(232, 232).convertToFormat(QImage::Format_ARGB32);
        QImage expected = clear.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 232; ++y) {
            for (int x = 0; x < 232; ++x) {
                if ((x / 10 + y / 10) % 2 == 0) {
                    clear.setPixel(x, y, qRgba(255, 0, 0, 0));
                    expected.setPixel(x, y, CTestEnvironment::kFace.rgb());
                }
            }
        }
        QVERIFY(clear.save(File(QStringLiteral("clear.png"))));
        UsePicture(File(QStringLiteral("clear.png")));
        {
            CTestSlydraDlg dlg;
            VERIFY_SAME(BoardDiff(dlg.Frame(), 4, HomeOrder(4), expected));
        }
    }

    void aMissingPictureGivesPlainTiles()
    {
        UsePicture(File(QStringLiteral("missing.jpg")));
        CTestSlydraDlg dlg;
        const QImage frame = dlg.Frame();
        const int t = dlg.m_nTileSize;
        for (int cell = 0; cell < 15; ++cell) {
            const QRect square(4 + t * (cell % 4), 4 + t * (cell / 4), t, t);
            VERIFY_SAME(FirstPixelNot(frame, square, CTestEnvironment::kFace));
        }
        QImage face(232, 232, QImage::Format_RGB32);
        face.fill(CTestEnvironment::kFace);
        VERIFY_SAME(BoardDiff(frame, 4, HomeOrder(4), face));
        QVERIFY(dlg.m_questions.isEmpty());
    }

    void withoutUseTheLetterSheetShows()
    {
        const QString strPath = File(QStringLiteral("unused.png"));
        QVERIFY(TestPictures::Coordinates(232, 232).save(strPath));
        CSettings::PutLocation(strPath);
        CSettings::PutUsePic(false);
        CTestSlydraDlg dlg;
        VERIFY_SAME(BoardDiff(dlg.Frame(), 4, HomeOrder(4), LetterSheet(4)));
        QVERIFY(dlg.m_picture.Path().isEmpty());
    }

    // The file is read once per path: options that change something else,
    // or only the grid size, keep the picture as first decoded; the letter
    // sheet in between makes the next use read the file again.
    void aPictureIsDecodedOncePerPath()
    {
        const QString strPath = File(QStringLiteral("same.bmp"));
        const QImage before = TestPictures::Coordinates(200, 150);
        const QImage after = TestPictures::Coordinates(200, 150, 99);
        QVERIFY(before.save(strPath));
        UsePicture(strPath);
        CTestSlydraDlg dlg;
        const QImage board = ExpectedBoard(4, HomeOrder(4), OnCanvas(before));
        VERIFY_SAME(FirstDifference(dlg.Frame(), QRect(0, 0, 240, 240), board));

        QVERIFY(after.save(strPath));
        dlg.m_options = [] {
            CSettings::PutUseAnim(!CSettings::GetUseAnim());
            return true;
        };
        dlg.OnOptions();
        dlg.OnOptions();
        QCOMPARE(dlg.m_nOptionsShown, 2);
        VERIFY_SAME(FirstDifference(dlg.Frame(), QRect(0, 0, 240, 240), board));

        dlg.m_options = [] {
            CSettings::PutDims(5);
            return true;
        };
        dlg.OnOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, HomeOrder(5), OnCanvas(before)));

        // A file that has gone keeps the picture already held.
        dlg.m_options = [this] {
            CSettings::PutLocation(File(QStringLiteral("gone.bmp")));
            return true;
        };
        dlg.OnOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, HomeOrder(5), OnCanvas(before)));

        dlg.m_options = [&strPath] {
            CSettings::PutLocation(strPath);
            CSettings::PutUsePic(false);
            return true;
        };
        dlg.OnOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, HomeOrder(5), LetterSheet(5)));

        dlg.m_options = [] {
            CSettings::PutUsePic(true);
            return true;
        };
        dlg.OnOptions();
        VERIFY_SAME(BoardDiff(dlg.Frame(), 5, HomeOrder(5), OnCanvas(after)));
    }

    // ---- slides ----------------------------------------------------------------

    void aSlideDrawsFiveFrames_data()
    {
        QTest::addColumn<QPoint>("setup");  // (row, col) tapped first without animation; (-1, -1) for none
        QTest::addColumn<QPoint>("from");   // (row, col) tapped with animation
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("tile");
        QTest::addColumn<QList<int>>("offsets");  // of the tile's left or top edge from the cell named by base
        QTest::addColumn<bool>("fromOldCell");

        // Right and down count from the old cell, left and up from the new one.
        QTest::newRow("right") << QPoint(-1, -1) << QPoint(3, 2) << QPoint(3, 3) << 14
                               << QList<int>{11, 23, 34, 46, 58} << true;
        QTest::newRow("left") << QPoint(3, 2) << QPoint(3, 3) << QPoint(3, 2) << 14
                              << QList<int>{46, 34, 23, 11, 0} << false;
        QTest::newRow("down") << QPoint(-1, -1) << QPoint(2, 3) << QPoint(3, 3) << 11
                              << QList<int>{11, 23, 34, 46, 58} << true;
        QTest::newRow("up") << QPoint(2, 3) << QPoint(3, 3) << QPoint(2, 3) << 11
                            << QList<int>{46, 34, 23, 11, 0} << false;
    }

    void aSlideDrawsFiveFrames()
    {
        QFETCH(QPoint, setup);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, tile);
        QFETCH(QList<int>, offsets);
        QFETCH(bool, fromOldCell);

        CSettings::PutUseAnim(false);
        CTestSlydraDlg dlg;
        if (setup.x() >= 0)
            dlg.Tap(setup.x(), setup.y());
        CSettings::PutUseAnim(true);
        dlg.Frame();  // the window has been painted before the player taps

        const int t = dlg.m_nTileSize;
        const QImage face = LetterSheet(4).copy(t * (tile % 4), t * (tile / 4), t, t);
        const QPoint oldCell(4 + t * from.y(), 4 + t * from.x());
        const QPoint newCell(4 + t * to.y(), 4 + t * to.x());
        const QPoint base = fromOldCell ? oldCell : newCell;
        const bool bHorizontal = from.x() == to.x();

        dlg.Tap(from.x(), from.y());
        for (int k = 1; k <= 5; ++k) {
            if (k > 1) {
                QVERIFY(dlg.Ticking(CSlideAnimation::kTimerId));
                dlg.OnTimer(CSlideAnimation::kTimerId);
            }
            const QImage frame = dlg.Frame();
            const int offset = offsets[k - 1];
            const QPoint at = bHorizontal ? base + QPoint(offset, 0) : base + QPoint(0, offset);
            const QString strFrame = QStringLiteral("frame %1: ").arg(k);
            const QString strTile = FirstDifference(frame, QRect(at, QSize(t, t)), face);
            QVERIFY2(strTile.isEmpty(), qPrintable(strFrame + strTile));

            // The part of the old cell that the tile has left.
            QRect strip;
            if (bHorizontal)
                strip = fromOldCell ? QRect(QPoint(oldCell.x(), at.y()), QPoint(at.x() - 1, at.y() + t - 1))
                                    : QRect(QPoint(at.x() + t, at.y()), QPoint(oldCell.x() + t - 1, at.y() + t - 1));
            else
                strip = fromOldCell ? QRect(QPoint(at.x(), oldCell.y()), QPoint(at.x() + t - 1, at.y() - 1))
                                    : QRect(QPoint(at.x(), at.y() + t), QPoint(at.x() + t - 1, oldCell.y() + t - 1));
            const QString strStrip = FirstPixelNot(frame, strip, CTestEnvironment::kFace);
            QVERIFY2(strStrip.isEmpty(), qPrintable(strFrame + strStrip));
        }
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));

        // Ticks after the slide has ended draw nothing.
        const QImage last = dlg.Frame();
        dlg.OnTimer(CSlideAnimation::kTimerId);
        QCOMPARE(dlg.Frame(), last);
    }

    void withoutAnimationOneFrameFinishesTheSlide()
    {
        CSettings::PutUseAnim(false);
        CTestSlydraDlg dlg;
        dlg.Frame();
        dlg.Tap(3, 2);
        QVERIFY(!dlg.m_slide.m_bActive);
        QVERIFY(!dlg.Ticking(CSlideAnimation::kTimerId));
        const QImage frame = dlg.Frame();
        VERIFY_SAME(FirstDifference(frame, QRect(178, 178, 58, 58), LetterSheet(4).copy(116, 174, 58, 58)));
        VERIFY_SAME(FirstPixelNot(frame, QRect(120, 178, 58, 58), CTestEnvironment::kFace));
        VERIFY_SAME(FirstDifference(frame, QRect(0, 0, 240, 178), ExpectedBoard(4, HomeOrder(4), LetterSheet(4))));
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
        VERIFY_SAME(BoardDiff(slid, 3, {0, 1, 2, 3, 4, 8, 6, 7, 5}, LetterSheet(3)));
    }
};

QTEST_MAIN(PaintingTest)
#include "tst_painting.moc"
