#pragma once

#include "app/SlydraDlg.h"
#include "board/RandomSource.h"
#include "scores/ScoreTable.h"

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
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

// Always draws 0: each step of the scramble takes the first neighbour.
class CZeroRandom : public CRandomSource
{
public:
    void Seed(unsigned int) override {}
    int Next() override { return 0; }
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

    CTestSlydraDlg();

    // The client area as the player sees it, in logical pixels.
    QImage Frame();
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
    bool RunOptionsDialog() override;
    unsigned int SetTimer(unsigned int nIDEvent, int nElapseMs) override;
    void KillTimer(unsigned int nIDEvent) override;

private:
    std::set<unsigned int> m_running;
    CZeroRandom m_zero;
};

// Counts every dialog that is shown, and closes it so that none can hang the test.
class CDialogCounter : public QObject
{
public:
    CDialogCounter();
    ~CDialogCounter() override;

    int m_nShown = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
};

// Closes the next modal dialog that opens, after fn has worked on it.
void WhenModalOpens(std::function<void(QWidget*)> fn);
