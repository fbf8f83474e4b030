#pragma once

#include "app/Game.h"
#include "render/PictureResult.h"
#include "scores/PlayerRecords.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <optional>

class CBoardView;
class CGameMenus;
class CStatusRow;

// The main window: the board view, the move and time labels, the menu bar and
// its commands, the dialogs, and the end of the session. It wires the game to
// the view; the rules live in CGame.
class CSlydraDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSlydraDlg(QWidget* pParent = nullptr);
    ~CSlydraDlg() override;

    void OnNewGame();
    void OnOptions();
    void OnAbout();
    void OnBestScores();
    // A tap on a cell: slides its tile into the blank when they share an edge.
    void OnCellClicked(int nRow, int nCol);
    // An arrow key: slides the tile beside the blank in the arrow's direction.
    void OnArrowKey(EDirection direction);
    bool ConfirmResign();
    void OnGridCompleted();
    // A picture that cannot be shown: the tiles show letters, and the player is told why.
    void OnPictureNotShown(const QString& strPath, EPictureFault eFault);
    // Ends the program in order from wherever it waits: every dialog above the
    // window closes (a page as by OK, so a name typed so far counts), none
    // opens any more, and the window closes.
    void EndSession();
    // Keeps the window's size for the next run.
    void done(int nResult) override;

    CGame& Game() { return m_game; }
    CBoardView& BoardView() { return *m_pBoardView; }

protected:
    // Seams for tests: the questions the game asks, and the Options page.
    virtual QMessageBox::StandardButton MessageBox(const QString& strText, const QString& strCaption,
                                                   QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);
    virtual bool RunOptionsDialog();

    void resizeEvent(QResizeEvent* pEvent) override;
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
    bool m_bEnding = false;
    CPlayerRecords m_records;
};
