#include "FrameChecks.h"
#include "TestPictures.h"
#include "TestSupport.h"

#include "options/Settings.h"

#include <QLabel>

using namespace FrameChecks;

// Run at a scale factor of 2: the window keeps its 240-pixel logical frame and
// shows each logical pixel as a 2 x 2 block of one colour, never smoothed.
class HiDpiTest : public CWidgetTest
{
    Q_OBJECT

private:
    // Halves the grabbed client area into logical; empty, or why not.
    static QString Halved(CTestSlydraDlg& dlg, QImage& logical)
    {
        // The labels' text is drawn at the device's full resolution, as sharp
        // text should be; only the frame that the window paints is doubled.
        for (QLabel* pLabel : dlg.findChildren<QLabel*>())
            pLabel->hide();
        const QImage doubled = dlg.Frame();
        if (doubled.size() != QSize(480, 536))
            return QStringLiteral("grabbed %1 x %2").arg(doubled.width()).arg(doubled.height());
        QString strWhy;
        logical = Halve(doubled, strWhy);
        return strWhy;
    }

private slots:

    void theBoardIsDoubledPixelForPixel_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("picture");  // else the letters
        for (int nSize = 3; nSize <= 5; ++nSize)
            QTest::addRow("%dx%d", nSize, nSize) << nSize << false;
        // Every pixel differs from its neighbours, so any blending shows.
        QTest::newRow("picture") << 4 << true;
    }

    void theBoardIsDoubledPixelForPixel()
    {
        QFETCH(int, size);
        QFETCH(bool, picture);
        const QImage large = TestPictures::Coordinates(640, 480);
        if (picture) {
            const QString strPath = File(QStringLiteral("large.png"));
            QVERIFY(large.save(strPath));
            CSettings::PutLocation(strPath);
        }
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        QCOMPARE(dlg.devicePixelRatio(), 2.0);
        QImage logical;
        VERIFY_SAME(Halved(dlg, logical));
        VERIFY_SAME(BoardDiff(logical, size, picture ? large : LetterSheet(size)));
        VERIFY_SAME(FirstPixelNot(logical, QRect(0, 240, 240, 28), CTestEnvironment::kFace));
    }

    void slideFramesAreDoubledPixelForPixel()
    {
        CTestSlydraDlg dlg;
        QImage logical;
        VERIFY_SAME(Halved(dlg, logical));
        dlg.Tap(3, 2);
        VERIFY_SAME(Halved(dlg, logical));
        VERIFY_SAME(FirstDifference(logical, QRect(120 + 11, 178, 58, 58), LetterSheet(4).copy(116, 174, 58, 58)));
        VERIFY_SAME(FirstPixelNot(logical, QRect(120, 178, 11, 58), CTestEnvironment::kFace));
    }
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
