#pragma once

#include "app/Game.h"
#include "render/PictureResult.h"
#include "scores/PlayerRecords.h"
#include "app/PageHost.h"

#include <QWidget>

#include <functional>
#include <optional>

class CBoardView;
class CGameMenus;
class CStatusRow;

// The main window: the board view, the move and time labels, the menu bar and
// its commands, the pages and messages over the board, and the end of the
// session. It wires the game to the view; the rules live in CGame. Nothing
// waits in a loop of its own: a question or a page reports its answer to the
// step that follows it.
class CSlydraDlg : public QWidget
{
    Q_OBJECT
public:
    using Answer = CPageHost::Answer;

    explicit CSlydraDlg(QWidget* pParent = nullptr);
    ~CSlydraDlg() override;

    void OnNewGame();
    void OnOptions();
    void OnAbout();
    void OnBestScores();
    // A tap on a cell: slides its tile into the blank when they share an edge.
    void OnCellClicked(int nRow, int nCol);
    // An arrow key: slides the tile beside the blank in the arrow's direction,
    // once a slide still running has been drawn to its end.
    void OnArrowKey(EDirection direction);
    // Runs onResigned at once when no game runs; else asks first, and runs it
    // unless the answer is No.
    void ConfirmResign(const std::function<void()>& onResigned);
    void OnGridCompleted();
    // A picture that cannot be shown: the tiles show letters, and the player is told why.
    void OnPictureNotShown(const QString& strPath, EPictureFault eFault);
    // Ends the program in order from wherever it waits: the window closes.
    void EndSession();

    CGame& Game() { return m_game; }
    CBoardView& BoardView() { return *m_pBoardView; }
    // The page open over the board, if any.
    CTitledDlg* Page() const { return m_pages.Page(); }

protected:
    // A message over the window, answered when it closes: the tests' seam.
    // Nothing opens over a closed window.
    virtual void MessageBox(const QString& strText, const QString& strCaption, QMessageBox::StandardButtons buttons,
                            QMessageBox::Icon icon, const Answer& onAnswer);

    void resizeEvent(QResizeEvent* pEvent) override;
    // Keeps the window's size, and closes what is open over it: a page as by
    // OK (so a name typed so far counts), a question as by its Escape button.
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void LayOut();
    // What a tap and a key share: dropped during a slide, else the move is
    // made, drawn and counted, and may complete the game.
    void PlayMove(const std::function<std::optional<STileMove>()>& makeMove);
    void PrepareTiles();

    CGame m_game;
    CBoardView* m_pBoardView = nullptr;
    CStatusRow* m_pStatus = nullptr;
    CGameMenus* m_pMenus = nullptr;
    CPageHost m_pages;
    CPlayerRecords m_records;
};
