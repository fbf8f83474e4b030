#include "FrameChecks.h"
#include "TestPictures.h"
#include "TestSupport.h"

#include "options/Settings.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace FrameChecks;

// Run at a scale factor of 2: the window keeps its 240-pixel logical frame and
// shows each logical pixel as a 2 x 2 block of one colour, never smoothed.
class HiDpiTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;
    QTemporaryDir m_files;

    // The grabbed client area at logical size; fails when a block is mixed.
    static QImage LogicalFrame(CTestSlydraDlg& dlg)
    {
        // The labels' text is drawn at the device's full resolution, as sharp
        // text should be; only the frame that the window paints is doubled.
        for (QLabel* pLabel : dlg.findChildren<QLabel*>())
            pLabel->hide();
        const QImage doubled = dlg.Frame();
        if (doubled.size() != QSize(480, 536)) {
            QTest::qFail(qPrintable(QStringLiteral("grabbed %1 x %2").arg(doubled.width()).arg(doubled.height())),
                         __FILE__, __LINE__);
            return {};
        }
        QString strWhy;
        QImage logical = Halve(doubled, strWhy);
        if (logical.isNull())
            QTest::qFail(qPrintable(strWhy), __FILE__, __LINE__);
        return logical;
    }

    static void VerifyBoard(const QImage& logical, const QImage& expected)
    {
        VERIFY_SAME(FirstDifference(logical, QRect(0, 0, 240, 240), expected));
        VERIFY_SAME(FirstPixelNot(logical, QRect(0, 240, 240, 28), CTestEnvironment::kFace));
    }

private slots:
    void initTestCase()
    {
        m_env = new CTestEnvironment;
        QVERIFY(m_files.isValid());
    }
    void cleanupTestCase() { delete m_env; }
    void init() { m_env->ClearSettings(); }

    void theBoardIsDoubledPixelForPixel_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("3x3") << 3;
        QTest::newRow("4x4") << 4;
        QTest::newRow("5x5") << 5;
    }

    void theBoardIsDoubledPixelForPixel()
    {
        QFETCH(int, size);
        CSettings::PutDims(size);
        CTestSlydraDlg dlg;
        QCOMPARE(dlg.devicePixelRatio(), 2.0);
        const QImage logical = LogicalFrame(dlg);
        QVERIFY(!logical.isNull());
        VerifyBoard(logical, ExpectedBoard(size, HomeOrder(size), LetterSheet(size)));
    }

    // A picture whose every pixel differs from its neighbours shows any blending.
    void aPictureIsDoubledPixelForPixel()
    {
        const QImage picture = TestPictures::Coordinates(640, 480);
        const QString strPath = m_files.filePath(QStringLiteral("large.png"));
        QVERIFY(picture.save(strPath));
        CSettings::PutLocation(strPath);
        CTestSlydraDlg dlg;
        const QImage logical = LogicalFrame(dlg);
        QVERIFY(!logical.isNull());
        VerifyBoard(logical, ExpectedBoard(4, HomeOrder(4), picture));
    }

    void slideFramesAreDoubledPixelForPixel()
    {
        CTestSlydraDlg dlg;
        LogicalFrame(dlg);
        dlg.Tap(3, 2);
        const QImage logical = LogicalFrame(dlg);
        QVERIFY(!logical.isNull());
        const QImage tile = LetterSheet(4).copy(116, 174, 58, 58);
        VERIFY_SAME(FirstDifference(logical, QRect(120 + 11, 178, 58, 58), tile));
        VERIFY_SAME(FirstPixelNot(logical, QRect(120, 178, 11, 58), CTestEnvironment::kFace));
    }
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
