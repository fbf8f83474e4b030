#pragma once

#include "app/SlydraDlg.h"
#include "board/RandomSource.h"
#include "tests/core/BoardChecks.h"
#include "scores/ScoreTable.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <set>

// Settings in a private folder, and a palette whose face, shadow and dark
// shadow differ from each other and from white.
class CTestEnvironment
{
public:
    CTestEnvironment();
    // Forgets every setting and the stats file.
    void ClearSettings();
    QString Path() const { return m_dir.path(); }

    static const QColor kFace;
    static const QColor kShadow;
    static const QColor kDarkShadow;

private:
    QTemporaryDir m_dir;
};

// The main window with its questions answered by the test and timers that
// only tick when the test says so.
class CTestSlydraDlg : public CSlydraDlg
{
public:
    using CSlydraDlg::m_board;
    using CSlydraDlg::m_bRunning;
    using CSlydraDlg::m_nClockTimer;
    using CSlydraDlg::m_nMoves;
    using CSlydraDlg::m_nSeconds;
    using CSlydraDlg::m_nTileSize;
    using CSlydraDlg::m_picture;
    using CSlydraDlg::m_scores;
    using CSlydraDlg::m_slide;
    using CSlydraDlg::m_wndMoves;
    using CSlydraDlg::m_wndTime;
    using CSlydraDlg::InvalidateBoard;

    // The client area as the player sees it, in logical pixels.
    QImage Frame();
    // The game at a glance: running or idle, the clock timer, moves and
    // seconds each with its label, and whether the board is in home order.
    QString State() const;
    // Runs Options as if the player changed something: the window takes up
    // the settings as they stand.
    void ApplyOptions();
    // A 3x3 game without animation dealt by a generator of zeros: blank in
    // cell 1, solved by tapping (0, 2), (1, 2) and (2, 2) in turn.
    void StartKnownGame();
    // Taps the cell at (row, col) with the mouse.
    void Tap(int nRow, int nCol);
    bool Ticking(unsigned int nIDEvent) const { return m_running.count(nIDEvent) != 0; }

    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QStringList m_questions;
    std::function<bool()> m_options;  // runs the real dialog when empty
    int m_nOptionsShown = 0;
    bool m_bRefuseTimers = false;

protected:
    QMessageBox::StandardButton MessageBox(const QString& strText, const QString& strCaption,
                                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) override;
    bool RunOptionsDialog() override
    {
        ++m_nOptionsShown;
        return m_options ? m_options() : CSlydraDlg::RunOptionsDialog();
    }
    unsigned int SetTimer(unsigned int nIDEvent, int nElapseMs) override;
    void KillTimer(unsigned int nIDEvent) override { m_running.erase(nIDEvent); }

private:
    std::set<unsigned int> m_running;
    CZeroRandom m_zero;
};

// Counts every dialog that is shown, and closes it so that none can hang the test.
class CDialogCounter : public QObject
{
public:
    CDialogCounter() { qApp->installEventFilter(this); }
    ~CDialogCounter() override { qApp->removeEventFilter(this); }

    int m_nShown = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
};

// Closes the next modal dialog that opens, after fn has worked on it.
void WhenModalOpens(std::function<void(QWidget*)> fn);

// The same for a dialog that must be a T.
template <class T>
void WhenDialogOpens(std::function<void(T*)> fn)
{
    WhenModalOpens([fn](QWidget* pModal) {
        T* pDlg = qobject_cast<T*>(pModal);
        QVERIFY2(pDlg, qPrintable(QStringLiteral("\"%1\" opened instead").arg(pModal->windowTitle())));
        fn(pDlg);
    });
}

// Base of the widget tests: one environment for the whole run, with the
// settings and the stats file forgotten before each test.
class CWidgetTest : public QObject
{
    Q_OBJECT

protected:
    // A file of that name in the run's private folder.
    QString File(const QString& strName) const { return m_env->Path() + QLatin1Char('/') + strName; }

private slots:
    void initTestCase() { m_env = std::make_unique<CTestEnvironment>(); }
    void cleanupTestCase() { m_env.reset(); }
    void init() { m_env->ClearSettings(); }

private:
    std::unique_ptr<CTestEnvironment> m_env;
};
