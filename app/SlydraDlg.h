#pragma once

#include "board/Board.h"
#include "board/RandomSource.h"
#include "render/Picture.h"
#include "render/SlideAnimation.h"
#include "scores/ScoreTable.h"

#include <QDialog>
#include <QImage>
#include <QMessageBox>

#include <cstdint>
#include <functional>
#include <map>

class QLabel;
class QMenuBar;

// The main window: the board, the move and time labels, the menu bar, and the
// game that runs on them (new game, taps, the clock, the resign question).
class CSlydraDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 240;
    static constexpr int kClientHeight = 268;
    static constexpr int kMenuBarHeight = 26;
    static constexpr unsigned int kClockTimerId = 1;
    static constexpr int kClockPeriodMs = 1000;
    static constexpr int kCanvasSize = 232;

    explicit CSlydraDlg(QWidget* pParent = nullptr);
    ~CSlydraDlg() override;

    void OnNewGame();
    void OnOptions();
    void OnAbout();
    void OnBestScores();
    void OnTimer(unsigned int nIDEvent);
    void OnLButtonDown(const QPoint& point);

    bool ConfirmResign();
    void StartNewGame();
    void StopClock();
    void OnGridCompleted();
    // Shows why the records could not be saved, once for each failure.
    void TellSaveFailure();
    QString GetLevelName() const;
    // Ends the program in order from wherever it waits: every dialog above the
    // window closes (a page as by OK, so a name typed so far counts), none
    // opens any more, and the window closes.
    void EndSession();

    QRect ClientRect() const { return QRect(0, 0, kClientWidth, kClientHeight); }
    // The grid size to run: the stored one when it is 3, 4 or 5, else 4.
    static int StoredGridSize();

    void SetRandomSource(CRandomSource* pRandom) { m_pRandom = pRandom; }
    void SetTickSource(std::function<std::uint32_t()> tick) { m_tick = std::move(tick); }

protected:
    // Seams for tests: the questions and dialogs the game asks, and the timers.
    virtual QMessageBox::StandardButton MessageBox(const QString& strText, const QString& strCaption,
                                                   QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);
    virtual bool RunOptionsDialog();
    virtual unsigned int SetTimer(unsigned int nIDEvent, int nElapseMs);
    virtual void KillTimer(unsigned int nIDEvent);

    void OnInitDialog();
    void OnPaint();
    void PrepareTiles();
    void StartSlide(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol);
    void SlideFrame();
    void UpdateMovesText();
    void UpdateTimeText();
    // Marks the whole board for repainting from the model.
    void InvalidateBoard();

    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

    QMenuBar* m_menuBar = nullptr;
    QLabel* m_wndMovesLabel = nullptr;
    QLabel* m_wndMoves = nullptr;
    QLabel* m_wndTimeLabel = nullptr;
    QLabel* m_wndTime = nullptr;

    CPicture m_picture;
    CBoard m_board;
    CScoreTable m_scores;
    int m_nSeconds = 0;
    int m_nMoves = 0;
    bool m_bRunning = false;
    bool m_bEnding = false;
    unsigned int m_nClockTimer = 0;
    CSlideAnimation m_slide;
    int m_nTileSize = 0;

private:
    void CreateMenuBar();
    void CreateLabels();
    // The four labels share the largest font that shows their texts whole.
    void FitLabels();

    // What the player sees of the client area; paints and slide frames draw here.
    QImage m_frame;
    bool m_bFrameStale = true;
    std::map<unsigned int, int> m_timers;  // our timer id -> Qt's
    CRuntimeRandom m_runtimeRandom;
    CRandomSource* m_pRandom = &m_runtimeRandom;
    std::function<std::uint32_t()> m_tick;
};
