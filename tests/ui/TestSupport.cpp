#include "TestSupport.h"

#include "options/Settings.h"
#include "ui/SlydraStyle.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QTimer>

const QColor CTestEnvironment::kFace(200, 190, 180);
const QColor CTestEnvironment::kShadow(120, 110, 100);
const QColor CTestEnvironment::kDarkShadow(20, 30, 40);

CTestEnvironment::CTestEnvironment()
{
    QApplication::setOrganizationName(QStringLiteral("Brevik"));
    QApplication::setApplicationName(QStringLiteral("Slydra"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    // The stats file lives in the application's data folder under here.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));

    CSlydraStyle::Install();
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, kFace);
    palette.setColor(QPalette::Dark, kShadow);
    palette.setColor(QPalette::Shadow, kDarkShadow);
    QApplication::setPalette(palette);
    ClearSettings();
}

void CTestEnvironment::ClearSettings()
{
    QSettings settings;
    settings.clear();
    settings.sync();
    QFile::remove(CScoreTable::DefaultPath());
}

QImage CTestSlydraDlg::Frame()
{
    return grab(ClientRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

QString CTestSlydraDlg::State() const
{
    return QStringLiteral("%1, clock %2, moves %3 \"%4\", seconds %5 \"%6\", %7")
        .arg(QLatin1String(m_bRunning ? "running" : "idle"), QLatin1String(Ticking(kClockTimerId) ? "on" : "off"))
        .arg(m_nMoves)
        .arg(m_wndMoves->text())
        .arg(m_nSeconds)
        .arg(m_wndTime->text(), QLatin1String(m_board.IsSolved() ? "solved" : "scrambled"));
}

void CTestSlydraDlg::ApplyOptions()
{
    m_options = [] { return true; };
    OnOptions();
    m_options = nullptr;
}

void CTestSlydraDlg::StartKnownGame()
{
    CSettings::PutDims(3);
    CSettings::PutUseAnim(false);
    SetRandomSource(&m_zero);
    ApplyOptions();
    OnNewGame();
    QCOMPARE(m_board.m_cells, (std::vector<int>{0, 8, 1, 3, 4, 2, 6, 7, 5}));
}

void CTestSlydraDlg::Tap(int nRow, int nCol)
{
    const int t = m_nTileSize;
    QTest::mouseClick(this, Qt::LeftButton, Qt::NoModifier, QPoint(4 + t * nCol + t / 2, 4 + t * nRow + t / 2));
}

QMessageBox::StandardButton CTestSlydraDlg::MessageBox(const QString& strText, const QString& strCaption,
                                                       QMessageBox::StandardButtons, QMessageBox::Icon)
{
    m_questions << strCaption + QStringLiteral(": ") + strText;
    return m_answer;
}

unsigned int CTestSlydraDlg::SetTimer(unsigned int nIDEvent, int)
{
    if (m_bRefuseTimers)
        return 0;
    m_running.insert(nIDEvent);
    return nIDEvent;
}

bool CDialogCounter::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    auto* pDialog = qobject_cast<QDialog*>(pWatched);
    if (pEvent->type() == QEvent::Show && pDialog && pDialog->isWindow()) {
        ++m_nShown;
        QMetaObject::invokeMethod(pDialog, &QDialog::close, Qt::QueuedConnection);
    }
    return false;
}

namespace {

void PollForModal(std::function<void(QWidget*)> fn, int nTriesLeft)
{
    QTimer::singleShot(10, [fn, nTriesLeft]() {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal) {
            if (nTriesLeft > 0)
                PollForModal(fn, nTriesLeft - 1);
            return;
        }
        fn(pModal);
        if (pModal->isVisible())
            pModal->close();
    });
}

} // namespace

void WhenModalOpens(std::function<void(QWidget*)> fn)
{
    PollForModal(std::move(fn), 500);
}
