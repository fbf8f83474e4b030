#include "TestSupport.h"

#include "options/OptionsDlg.h"
#include "options/Settings.h"
#include "ui/TitledDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <cmath>

namespace {

// The smallest titled dialog with data exchange: one field, one edit box.
class CNameDlg : public CTitledDlg
{
public:
    CNameDlg()
        : CTitledDlg(QStringLiteral("Name"), nullptr)
        , m_pEdit(new QLineEdit(this))
    {
        m_pEdit->setGeometry(10, 40, 120, 20);
    }

    using CTitledDlg::m_fontTitle;

    QString m_strName;
    QLineEdit* m_pEdit;
    int m_nSaves = 0;

protected:
    void DoDataExchange(bool bSaveAndValidate) override
    {
        if (bSaveAndValidate) {
            ++m_nSaves;
            m_strName = m_pEdit->text();
        } else {
            m_pEdit->setText(m_strName);
        }
    }
};

// The Options dialog with its file chooser answered by the test.
class CStubOptionsDlg : public COptionsDlg
{
public:
    using COptionsDlg::OnInitDialog;

    QString m_strChosen;
    int m_nChooserShown = 0;

protected:
    QString ChoosePictureFile() override
    {
        ++m_nChooserShown;
        return m_strChosen;
    }
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
class OptionsTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment* m_env = nullptr;

private slots:
    void initTestCase() { m_env = new CTestEnvironment; }
    void cleanupTestCase() { delete m_env; }
    void init() { m_env->ClearSettings(); }

    // ---- the titled dialog ------------------------------------------------

    void theTitleBandOnScreen()
    {
        CStubOptionsDlg dlg;
        dlg.OnInitDialog();
        QCOMPARE(dlg.size(), QSize(240, 268));
        const QImage page = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(page.size(), QSize(240, 268));

        for (int x = 0; x < 240; ++x)
            QCOMPARE(page.pixelColor(x, 26), QColor(Qt::black));

        // Blue letters in the band, left of the buttons, starting 5 pixels in.
        const QColor background = page.pixelColor(2, 40);
        int nBlue = 0;
        int nLeftmost = 240;
        for (int y = 0; y < 26; ++y) {
            for (int x = 0; x < 130; ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c == QColor(0, 0, 255))
                    ++nBlue;
                if (c != background)
                    nLeftmost = std::min(nLeftmost, x);
            }
        }
        QVERIFY2(nBlue > 10, qPrintable(QStringLiteral("%1 blue pixels").arg(nBlue)));
        QVERIFY2(nLeftmost >= 5 && nLeftmost <= 8, qPrintable(QStringLiteral("text starts at %1").arg(nLeftmost)));
        for (int y = 27; y < 268; ++y)
            for (int x = 0; x < 240; ++x)
                QVERIFY(page.pixelColor(x, y) != QColor(0, 0, 255));

        QCOMPARE(dlg.CancelButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(dlg.CancelButton()->geometry(), QRect(187, 3, 48, 20));
        QVERIFY(dlg.CancelButton()->isVisibleTo(&dlg));
        const QRect ok = dlg.OkButton()->geometry();
        QCOMPARE(dlg.OkButton()->text(), QStringLiteral("OK"));
        QVERIFY(dlg.OkButton()->isVisibleTo(&dlg));
        QVERIFY2(ok.right() < 187 && ok.left() > 130 && ok.top() >= 0 && ok.bottom() < 26,
                 qPrintable(QStringLiteral("OK from (%1, %2) to (%3, %4)")
                                .arg(ok.left()).arg(ok.top()).arg(ok.right()).arg(ok.bottom())));
        // The buttons show on the page where they are placed.
        QVERIFY(page.copy(dlg.CancelButton()->geometry()) != page.copy(QRect(187, 30, 48, 20)));
    }

    void theTitleFontIsNinePointBold()
    {
        CNameDlg dlg;
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        QCOMPARE(dlg.m_fontTitle.pixelSize(), static_cast<int>(std::floor(dpi * 0.125 + 0.5)));
        QVERIFY(dlg.m_fontTitle.bold());
        QVERIFY(!dlg.m_fontTitle.italic());
        QVERIFY(!dlg.m_fontTitle.underline());
        QVERIFY(!dlg.m_fontTitle.strikeOut());
    }

    void cancelEndsWithoutDataExchange()
    {
        CNameDlg dlg;
        dlg.m_strName = QStringLiteral("Ada");
        WhenModalOpens([&dlg](QWidget* pModal) {
            QCOMPARE(pModal, &dlg);
            QCOMPARE(dlg.m_pEdit->text(), QStringLiteral("Ada"));
            dlg.m_pEdit->setFocus();
            QTest::keyClicks(dlg.m_pEdit, QStringLiteral(" Byron"));
            QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Rejected));
        QCOMPARE(dlg.m_strName, QStringLiteral("Ada"));
        QCOMPARE(dlg.m_nSaves, 0);
    }

    void okAndReturnEndWithDataExchange()
    {
        {
            CNameDlg dlg;
            WhenModalOpens([&dlg](QWidget*) {
                QTest::keyClicks(dlg.m_pEdit, QStringLiteral("Grace"));
                QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
            });
            QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
            QCOMPARE(dlg.m_strName, QStringLiteral("Grace"));
            QCOMPARE(dlg.m_nSaves, 1);
        }
        {
            CNameDlg dlg;
            WhenModalOpens([&dlg](QWidget*) {
                dlg.m_pEdit->setFocus();
                QTest::keyClicks(dlg.m_pEdit, QStringLiteral("Alan"));
                QTest::keyClick(dlg.m_pEdit, Qt::Key_Return);
            });
            QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
            QCOMPARE(dlg.m_strName, QStringLiteral("Alan"));
            QCOMPARE(dlg.m_nSaves, 1);
        }
    }

    // ---- the Options dialog -------------------------------------------------

    void theControlsShowTheStoredValues()
    {
        {
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Options"));
            QCOMPARE(dlg.GridSizeBox()->count(), 3);
            QCOMPARE(dlg.GridSizeBox()->itemText(0), QStringLiteral("3x3"));
            QCOMPARE(dlg.GridSizeBox()->itemText(1), QStringLiteral("4x4"));
            QCOMPARE(dlg.GridSizeBox()->itemText(2), QStringLiteral("5x5"));
            QCOMPARE(dlg.GridSizeBox()->currentText(), QStringLiteral("4x4"));
            QVERIFY(dlg.AnimationBox()->isChecked());
            QVERIFY(dlg.UsePictureBox()->isChecked());
            QVERIFY(dlg.PathBox()->text().isEmpty());
            QVERIFY(!dlg.m_bChanged);
        }

        const std::pair<int, int> sizes[] = {{3, 0}, {5, 2}, {7, -1}, {2, -1}, {0, -1}};
        for (const auto& [nStored, nPosition] : sizes) {
            CSettings::PutDims(nStored);
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            QCOMPARE(dlg.GridSizeBox()->currentIndex(), nPosition);
        }

        CSettings::PutUseAnim(false);
        CSettings::PutUsePic(false);
        CSettings::PutLocation(QStringLiteral("/pictures/harbour.jpg"));
        CStubOptionsDlg dlg;
        dlg.OnInitDialog();
        QVERIFY(!dlg.AnimationBox()->isChecked());
        QVERIFY(!dlg.UsePictureBox()->isChecked());
        QCOMPARE(dlg.PathBox()->text(), QStringLiteral("/pictures/harbour.jpg"));
        // The path box and "..." stay usable whether "Use" is ticked or not.
        QVERIFY(dlg.PathBox()->isEnabled());
        QVERIFY(BrowseButton(dlg) && BrowseButton(dlg)->isEnabled());
    }

    void eachChangeIsStoredAtOnce()
    {
        {
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            dlg.GridSizeBox()->setFocus();
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Up);
            QCOMPARE(CSettings::GetDims(), 3);
            QVERIFY(dlg.m_bChanged);
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Down);
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Down);
            QCOMPARE(CSettings::GetDims(), 5);
        }
        {
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
            QVERIFY(!CSettings::GetUseAnim());
            QVERIFY(dlg.m_bChanged);
        }
        {
            CSettings::PutLocation(QStringLiteral("/pictures/harbour.jpg"));
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            QTest::mouseClick(dlg.UsePictureBox(), Qt::LeftButton);
            QVERIFY(!CSettings::GetUsePic());
            QVERIFY(dlg.m_bChanged);
            QCOMPARE(CSettings::GetLocation(), QStringLiteral("/pictures/harbour.jpg"));
            QTest::mouseClick(dlg.UsePictureBox(), Qt::LeftButton);
            QVERIFY(CSettings::GetUsePic());
        }
        {
            // Typing into the path box stores nothing.
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            QTest::keyClicks(dlg.PathBox(), QStringLiteral("/tmp/typed.jpg"));
            QCOMPARE(CSettings::GetLocation(), QStringLiteral("/pictures/harbour.jpg"));
            QVERIFY(!dlg.m_bChanged);
        }
    }

    void animationClickedTwiceWritesTwice()
    {
        CStubOptionsDlg dlg;
        dlg.OnInitDialog();
        QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
        QVERIFY(!CSettings::GetUseAnim());
        // The second click writes even where the store already reads as on.
        QSettings().remove(QStringLiteral("Settings/UseAnim"));
        QVERIFY(CSettings::GetUseAnim());
        QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
        QCOMPARE(QSettings().value(QStringLiteral("Settings/UseAnim")).toInt(), 1);
        QVERIFY(dlg.AnimationBox()->isChecked());
        QVERIFY(dlg.m_bChanged);
    }

    void cancelKeepsWhatWasStored()
    {
        CStubOptionsDlg dlg;
        WhenModalOpens([&dlg](QWidget*) {
            dlg.GridSizeBox()->setFocus();
            QTest::keyClick(dlg.GridSizeBox(), Qt::Key_Up);
            QTest::mouseClick(dlg.AnimationBox(), Qt::LeftButton);
            QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Rejected));
        QCOMPARE(CSettings::GetDims(), 3);
        QVERIFY(!CSettings::GetUseAnim());
        QVERIFY(dlg.m_bChanged);
    }

    void browseStoresTheChosenFile()
    {
        CSettings::PutLocation(QStringLiteral("/pictures/old.gif"));
        {
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            QTest::mouseClick(BrowseButton(dlg), Qt::LeftButton);
            QCOMPARE(dlg.m_nChooserShown, 1);
            QCOMPARE(dlg.PathBox()->text(), QStringLiteral("/pictures/old.gif"));
            QCOMPARE(CSettings::GetLocation(), QStringLiteral("/pictures/old.gif"));
            QVERIFY(!dlg.m_bChanged);
        }
        {
            CStubOptionsDlg dlg;
            dlg.OnInitDialog();
            dlg.m_strChosen = QStringLiteral("/pictures/harbour.jpg");
            QTest::mouseClick(BrowseButton(dlg), Qt::LeftButton);
            QCOMPARE(dlg.m_nChooserShown, 1);
            QCOMPARE(dlg.PathBox()->text(), QStringLiteral("/pictures/harbour.jpg"));
            QCOMPARE(CSettings::GetLocation(), QStringLiteral("/pictures/harbour.jpg"));
            QVERIFY(dlg.m_bChanged);
        }
    }

    void browseOffersThePictureFilters()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString strPicture = dir.filePath(QStringLiteral("harbour.jpg"));
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(strPicture));

        COptionsDlg dlg;
        QPushButton* pBrowse = BrowseButton(dlg);
        QVERIFY(pBrowse);
        bool bSeen = false;
        WhenModalOpens([&](QWidget* pModal) {
            auto* pFiles = qobject_cast<QFileDialog*>(pModal);
            QVERIFY(pFiles);
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
        QTest::mouseClick(pBrowse, Qt::LeftButton);
        QVERIFY(bSeen);
        QCOMPARE(dlg.PathBox()->text(), strPicture);
        QCOMPARE(CSettings::GetLocation(), strPicture);
        QVERIFY(dlg.m_bChanged);
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
