#include "TestSupport.h"

#include "options/OptionsDlg.h"
#include "options/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <cmath>

namespace {

const QString kHarbour = QStringLiteral("/pictures/harbour.jpg");

// The Options dialog with its controls filled, as when it opens.
class CInitOptionsDlg : public COptionsDlg
{
public:
    CInitOptionsDlg() { OnInitDialog(); }
    using COptionsDlg::m_fontTitle;
};

QPushButton* BrowseButton(QWidget& dlg)
{
    for (QPushButton* pButton : dlg.findChildren<QPushButton*>()) {
        if (pButton->text() == QStringLiteral("..."))
            return pButton;
    }
    return nullptr;
}

} // namespace

// The titled dialog kit and the Options dialog.
class OptionsTest : public CWidgetTest
{
    Q_OBJECT

private slots:
    void theTitleBandOnScreen()
    {
        CInitOptionsDlg dlg;
        QCOMPARE(dlg.size(), QSize(240, 268));
        const QImage page = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(page.size(), QSize(240, 268));
        for (int x = 0; x < 240; ++x)
            QCOMPARE(page.pixelColor(x, 26), QColor(Qt::black));

        // Blue letters in the band only, left of the buttons, starting 5 pixels in.
        const QColor blue(0, 0, 255);
        const QColor background = page.pixelColor(2, 40);
        int nBlue = 0;
        int nLeftmost = 240;
        for (int y = 0; y < 268; ++y) {
            for (int x = 0; x < 240; ++x) {
                const QColor c = page.pixelColor(x, y);
                if (y > 26)
                    QVERIFY(c != blue);
                else if (y < 26 && x < 130) {
                    nBlue += c == blue;
                    if (c != background)
                        nLeftmost = std::min(nLeftmost, x);
                }
            }
        }
        QVERIFY2(nBlue > 10, qPrintable(QStringLiteral("%1 blue pixels").arg(nBlue)));
        QVERIFY2(nLeftmost >= 5 && nLeftmost <= 8, qPrintable(QStringLiteral("text starts at %1").arg(nLeftmost)));

        // Nine points at the screen's resolution, bold and nothing else.
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        QCOMPARE(dlg.m_fontTitle.pixelSize(), static_cast<int>(std::floor(dpi * 0.125 + 0.5)));
        QVERIFY(dlg.m_fontTitle.bold());
        QVERIFY(!dlg.m_fontTitle.italic() && !dlg.m_fontTitle.underline() && !dlg.m_fontTitle.strikeOut());

        QCOMPARE(dlg.CancelButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(dlg.CancelButton()->geometry(), QRect(187, 3, 48, 20));
        QVERIFY(dlg.CancelButton()->isVisibleTo(&dlg));
        QCOMPARE(dlg.OkButton()->text(), QStringLiteral("OK"));
        QVERIFY(dlg.OkButton()->isVisibleTo(&dlg));
        // Anywhere in the band between the title and Cancel.
        QCOMPARE(dlg.OkButton()->geometry().united(QRect(131, 0, 56, 26)), QRect(131, 0, 56, 26));
        // The buttons show on the page where they are placed.
        QVERIFY(page.copy(dlg.CancelButton()->geometry()) != page.copy(QRect(187, 30, 48, 20)));
    }

    void theControlsShowTheStoredValues()
    {
        {
            CInitOptionsDlg dlg;
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Options"));
            QCOMPARE(dlg.GridSizeBox()->count(), 3);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(dlg.GridSizeBox()->itemText(i), QStringLiteral("%1x%1").arg(3 + i));
            QCOMPARE(dlg.GridSizeBox()->currentText(), QStringLiteral("4x4"));
            QVERIFY(dlg.AnimationBox()->isChecked());
            QVERIFY(dlg.UsePictureBox()->isChecked());
            QVERIFY(dlg.PathBox()->text().isEmpty());
            QVERIFY(!dlg.m_bChanged);
        }
        const std::pair<int, int> sizes[] = {{3, 0}, {5, 2}, {7, -1}, {2, -1}, {0, -1}};
        for (const auto& [nStored, nPosition] : sizes) {
            CSettings::PutDims(nStored);
            QCOMPARE(CInitOptionsDlg().GridSizeBox()->currentIndex(), nPosition);
        }
        CSettings::PutUseAnim(false);
        CSettings::PutUsePic(false);
        CSettings::PutLocation(kHarbour);
        CInitOptionsDlg dlg;
        QVERIFY(!dlg.AnimationBox()->isChecked());
        QVERIFY(!dlg.UsePictureBox()->isChecked());
        QCOMPARE(dlg.PathBox()->text(), kHarbour);
        // The path box and "..." stay usable whether "Use" is ticked or not.
        QVERIFY(dlg.PathBox()->isEnabled());
        QVERIFY(BrowseButton(dlg) && BrowseButton(dlg)->isEnabled());
    }

    // Each change is stored and noted at once, and stays stored after Cancel,
    // so the window takes it up; m_bChanged is cleared before each change to
    // show that every one is noted.
    void eachChangeIsStoredAtOnceAndCancelKeepsIt()
    {
        CSettings::PutLocation(kHarbour);
        CTestSlydraDlg window;
        WhenDialogOpens<COptionsDlg>([](COptionsDlg* pDlg) {
            COptionsDlg& dlg = *pDlg;
            QTest::keyClicks(dlg.PathBox(), QStringLiteral("/tmp/typed.jpg"));
            QCOMPARE(CSettings::GetLocation(), kHarbour);
            QVERIFY(!dlg.m_bChanged);

            dlg.GridSizeBox()->setFocus();
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Up);
            QCOMPARE(CSettings::GetDims(), 3);
            QVERIFY(dlg.m_bChanged);
            dlg.m_bChanged = false;
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Down);
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Down);
            QCOMPARE(CSettings::GetDims(), 5);
            QVERIFY(dlg.m_bChanged);

            dlg.m_bChanged = false;
            QTest::mouseClick(dlg.UsePictureBox(), Qt::LeftButton);
            QVERIFY(!CSettings::GetUsePic());
            QVERIFY(dlg.m_bChanged);
            QCOMPARE(CSettings::GetLocation(), kHarbour);
            QTest::mouseClick(dlg.UsePictureBox(), Qt::LeftButton);
            QVERIFY(CSettings::GetUsePic());

            dlg.m_bChanged = false;
            QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
            QVERIFY(!CSettings::GetUseAnim());
            QVERIFY(dlg.m_bChanged);
            // The second click writes even where the store already reads as on.
            QSettings().remove(QStringLiteral("Settings/UseAnim"));
            QVERIFY(CSettings::GetUseAnim());
            dlg.m_bChanged = false;
            QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
            QCOMPARE(QSettings().value(QStringLiteral("Settings/UseAnim")).toInt(), 1);
            QVERIFY(dlg.AnimationBox()->isChecked());
            QVERIFY(dlg.m_bChanged);
            QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
            QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
        });
        window.OnOptions();
        QCOMPARE(CSettings::GetDims(), 5);
        QVERIFY(!CSettings::GetUseAnim());
        QVERIFY(CSettings::GetUsePic());
        QCOMPARE(CSettings::GetLocation(), kHarbour);
        QCOMPARE(window.m_board.m_nSize, 5);
        QCOMPARE(window.m_nTileSize, 46);

        COptionsDlg dlg;
        WhenModalOpens([&dlg](QWidget*) { QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton); });
        QCOMPARE(dlg.DoModal(), int(QDialog::Rejected));
        WhenModalOpens([&dlg](QWidget*) { QTest::mouseClick(dlg.OkButton(), Qt::LeftButton); });
        QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
    }

    // Cancelling the file dialog changes nothing; a file chosen in it is
    // stored at once.
    void browseOffersThePictureFilesAndStoresTheOneChosen()
    {
        const QString strPicture = File(QStringLiteral("harbour.jpg"));
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(strPicture));
        const QString strOld = QStringLiteral("/pictures/old.gif");
        CSettings::PutLocation(strOld);
        CInitOptionsDlg dlg;
        QVERIFY(BrowseButton(dlg));
        bool bSeen = false;
        WhenModalOpens([&bSeen](QWidget* pModal) { bSeen = qobject_cast<QFileDialog*>(pModal); });
        QTest::mouseClick(BrowseButton(dlg), Qt::LeftButton);
        QVERIFY(bSeen);
        QCOMPARE(dlg.PathBox()->text(), strOld);
        QCOMPARE(CSettings::GetLocation(), strOld);
        QVERIFY(!dlg.m_bChanged);

        bSeen = false;
        WhenDialogOpens<QFileDialog>([&](QFileDialog* pFiles) {
            bSeen = true;
            QCOMPARE(pFiles->nameFilters(),
                     (QStringList{QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral("Jpeg Files (*.jpg)"),
                                  QStringLiteral("Gif Files (*.gif)"), QStringLiteral("All Files (*.*)")}));
            QCOMPARE(pFiles->selectedNameFilter(), QStringLiteral("Jpeg Files (*.jpg)"));
            QCOMPARE(pFiles->acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(pFiles->defaultSuffix(), QStringLiteral("jpg"));
            // Type the path and accept, as "Open" would. The button itself
            // waits for the dialog's file list, read in the background, so
            // clicking it would race.
            auto* pName = pFiles->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(pName);
            pName->setText(strPicture);
            QVERIFY(QMetaObject::invokeMethod(pFiles, "accept"));
        });
        QTest::mouseClick(BrowseButton(dlg), Qt::LeftButton);
        QVERIFY(bSeen);
        QCOMPARE(dlg.PathBox()->text(), strPicture);
        QCOMPARE(CSettings::GetLocation(), strPicture);
        QVERIFY(dlg.m_bChanged);
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
