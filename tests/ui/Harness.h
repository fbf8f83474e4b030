#pragma once

#include "app/SlydraDlg.h"
#include "options/Settings.h"
#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <set>

#include <sys/stat.h>

// Face, shadow and dark shadow of Qt's own palette, apart from each other and from white.
inline const QColor kFace(0xef, 0xef, 0xef), kShadow(0x9f, 0x9f, 0x9f), kDark(0x76, 0x76, 0x76);

// Settings, records and prepared pictures in a private folder for the whole run; a read that
// blocks there fails the test by its timeout.
inline void SetUpRun(const QTemporaryDir& dir) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    QApplication::setOrganizationName(QStringLiteral("Brevik"));
    QApplication::setApplicationName(QStringLiteral("Slydra"));
}

inline void ForgetEverything() { QSettings().clear(), QFile::remove(CScoreTable::DefaultPath()); }

inline SStatsRecords StatsOnDisk() {
    QFile file(CScoreTable::DefaultPath());
    return CStatsCodec::Decode(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()).value_or(SStatsRecords());
}

// Puts the bytes, a folder, a FIFO or a link to /dev/zero at path.
inline void Make(const QString& path, const QString& kind, const QByteArray& bytes = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath()), QFile::remove(path);
    if (kind == QLatin1String("folder"))
        QDir().mkpath(path);
    else if (kind == QLatin1String("fifo"))
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    else if (kind == QLatin1String("/dev/zero"))
        QFile::link(kind, path);
    else if (QFile file(path); file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Runs fn on the next modal dialog other than pOwner once it shows, then
// closes it if fn did not; gives up when pOwner goes.
inline void WhenModalOpens(QObject* pOwner, std::function<void(QWidget*)> fn, int nTries = 500) {
    QTimer::singleShot(10, pOwner, [pOwner, fn, nTries] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || !pModal->isVisible() || pModal == pOwner)
            return nTries > 0 ? WhenModalOpens(pOwner, fn, nTries - 1) : void();
        fn(pModal);
        if (pModal->isVisible())
            pModal->close();
    });
}

struct CZeroRandom : CRandomSource { void Seed(unsigned int) override {} int Next() override { return 0; } };

// The main window with its questions answered by the test and timers that
// tick only when the test says so.
class CTestDlg : public CSlydraDlg {
public:
    using CSlydraDlg::InvalidateBoard, CSlydraDlg::UpdateMovesText, CSlydraDlg::m_board, CSlydraDlg::m_bRunning,
        CSlydraDlg::m_nMoves, CSlydraDlg::m_nSeconds, CSlydraDlg::m_nTileSize, CSlydraDlg::m_wndMoves,
        CSlydraDlg::m_wndTime;

    QImage Frame() { return grab(ClientRect()).toImage().convertToFormat(QImage::Format_RGB32); }
    void Tap(int r, int c) { QTest::mouseClick(this, Qt::LeftButton, {}, QPoint(4 + m_nTileSize * c + m_nTileSize / 2, 4 + m_nTileSize * r + m_nTileSize / 2)); }
    // Takes up the stored settings as Options does after a change.
    void ApplySettings() { m_options = [] { return true; }, OnOptions(), m_options = nullptr; }
    // 3x3 without animation, dealt by a generator of zeros: the blank in
    // cell 1, solved by tapping (0, 2), (1, 2) and (2, 2).
    void StartKnownGame() { CSettings::PutDims(3), CSettings::PutUseAnim(false), SetRandomSource(&m_zero), ApplySettings(), OnNewGame(); }

    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QStringList m_asked;
    bool m_bRealBoxes = false, m_bRealTimers = false;
    std::function<bool()> m_options;  // the real dialog when empty
    int m_nOptionsRun = 0;
    std::set<unsigned int> m_timers;

protected:
    QMessageBox::StandardButton MessageBox(const QString& strText, const QString& strCaption,
                                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) override {
        m_asked << strCaption + QStringLiteral(": ") + strText;
        return m_bRealBoxes ? CSlydraDlg::MessageBox(strText, strCaption, buttons, icon) : m_answer;
    }
    bool RunOptionsDialog() override { return ++m_nOptionsRun, m_options ? m_options() : CSlydraDlg::RunOptionsDialog(); }
    unsigned int SetTimer(unsigned int nID, int nMs) override { return m_bRealTimers ? CSlydraDlg::SetTimer(nID, nMs) : *m_timers.insert(nID).first; }
    void KillTimer(unsigned int nID) override { m_bRealTimers ? CSlydraDlg::KillTimer(nID) : void(m_timers.erase(nID)); }

private:
    CZeroRandom m_zero;
};
