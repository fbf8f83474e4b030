#include "app/SlydraDlg.h"

#include "app/AboutDlg.h"
#include "app/GameMenus.h"
#include "app/StatusRow.h"
#include "app/WindowSize.h"
#include "ui/CloseDialogs.h"
#include "ui/InWindowModal.h"
#include "ui/MessagePage.h"
#include "options/OptionsDlg.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/BoardView.h"
#include "render/BuiltInImage.h"
#include "render/TilePicture.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"
#include "scores/ElapsedText.h"

#include <QCloseEvent>
#include <QPushButton>

CSlydraDlg::CSlydraDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                           | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Slydra"));
    setWindowIcon(ReadWindowIcon());
    setSizeGripEnabled(false);
    const QSize defaultSize(CBoardView::kClientWidth, CBoardView::kClientHeight + CGameMenus::kHeight);
    setMinimumSize(defaultSize);
    resize(defaultSize);
    m_pBoardView = new CBoardView(m_game.Board(), this);
    connect(m_pBoardView, &CBoardView::CellClicked, this, &CSlydraDlg::OnCellClicked);
    m_pStatus = new CStatusRow(this);
    connect(&m_game, &CGame::MovesChanged, m_pStatus, &CStatusRow::SetMoves);
    connect(&m_game, &CGame::SecondsChanged, m_pStatus, &CStatusRow::SetSeconds);
    m_pMenus = new CGameMenus(*this);
    connect(m_pMenus, &CGameMenus::NewGame, this, &CSlydraDlg::OnNewGame);
    connect(m_pMenus, &CGameMenus::About, this, &CSlydraDlg::OnAbout);
    connect(m_pMenus, &CGameMenus::BestScores, this, &CSlydraDlg::OnBestScores);
    connect(m_pMenus, &CGameMenus::Options, this, &CSlydraDlg::OnOptions);
    connect(m_pMenus, &CGameMenus::Quit, this, &CSlydraDlg::close);
    connect(m_pMenus, &CGameMenus::ArrowKey, this, &CSlydraDlg::OnArrowKey);
    m_game.SetSize(CSettings::GetDims());
    PrepareTiles();
    m_pStatus->SetMoves(m_game.Moves());
    m_pStatus->SetSeconds(m_game.Seconds());
    LayOut();
    RestoreWindowSize(*this);
}

CSlydraDlg::~CSlydraDlg() = default;

// The board view above the menu bar, the bar across the bottom, the labels
// over the client's label row.
void CSlydraDlg::LayOut()
{
    m_pBoardView->setGeometry(0, 0, width(), height() - CGameMenus::kHeight);
    m_pBoardView->Relayout();
    m_pMenus->setGeometry(0, height() - CGameMenus::kHeight, width(), CGameMenus::kHeight);
    m_pStatus->Place(m_pBoardView->ClientRect());
}

void CSlydraDlg::PrepareTiles()
{
    const QString strLocation = CSettings::GetLocation();
    const STilePicture tiles = MakeTilePicture(CSettings::GetUsePic(), strLocation, m_game.Board().m_nSize,
                                               SBoardColours::FromPalette(palette()).face);
    m_pBoardView->SetTilePicture(tiles.image, !tiles.bNumbered);
    m_pStatus->Place(m_pBoardView->ClientRect());
}

bool CSlydraDlg::ConfirmResign()
{
    if (!m_game.IsRunning())
        return !m_bEnding;
    const QMessageBox::StandardButton answer =
        MessageBox(QStringLiteral("Do you want to resign this game?"), QStringLiteral("Slydra"),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    // A question closed by the end of the session leads nowhere.
    return answer != QMessageBox::No && !m_bEnding;
}

void CSlydraDlg::OnNewGame()
{
    if (!ConfirmResign())
        return;
    // A slide still running would draw its old tile over the new board.
    m_pBoardView->StopSlide();
    m_game.StartNewGame();
    m_pBoardView->Repaint();
}

void CSlydraDlg::OnCellClicked(int nRow, int nCol)
{
    PlayMove([this, nRow, nCol] { return m_game.MoveTile(nRow, nCol); });
}

void CSlydraDlg::OnArrowKey(EDirection direction)
{
    PlayMove([this, direction] { return m_game.MoveTowards(direction); });
}

void CSlydraDlg::PlayMove(const std::function<std::optional<STileMove>()>& makeMove)
{
    if (m_pBoardView->IsSliding())
        return;
    const std::optional<STileMove> move = makeMove();
    if (!move)
        return;
    m_pBoardView->StartSlide(move->nTile, move->nFromRow, move->nFromCol, move->nToRow, move->nToCol,
                             CSettings::GetUseAnim());
    if (move->bCompleted)
        OnGridCompleted();
}

void CSlydraDlg::OnGridCompleted()
{
    m_game.StopClock();
    const QString strTime = QString::fromStdString(FormatElapsed(m_game.Seconds()));
    // Compared with the records on disk and saved there before anything waits
    // for the player: a display that goes away or a crash must not take the
    // record with it.
    const SRecordsBeaten beaten =
        m_scores.OfferResult(m_game.Level(), m_game.Moves(), m_game.Seconds(), &CGame::RecordsBeaten);
    MessageBox(QStringLiteral("Congratulations, you have successfully completed the grid in a time of %1 from %2 moves")
                   .arg(strTime)
                   .arg(m_game.Moves()),
               QStringLiteral("Grid Completed"), QMessageBox::Ok, QMessageBox::NoIcon);
    if (!beaten.Any())
        return TellSaveFailure();

    CCongratulationsDlg dlg(this);
    dlg.m_strName = CScoreTable::DefaultName();
    dlg.DescribeRecords(beaten.bMoves, beaten.bTime, m_game.Moves(), strTime, m_game.LevelName());
    // When the session is ending the record is kept as Cancel would keep it.
    if (!m_bEnding)
        dlg.DoModal();
    m_scores.NameRecords(dlg.m_strName);
    TellSaveFailure();
}

void CSlydraDlg::TellSaveFailure()
{
    const QString strFailure = m_scores.TakeUntoldFailure();
    if (!strFailure.isEmpty() && !m_bEnding)
        MessageBox(strFailure, QStringLiteral("Slydra"), QMessageBox::Ok, QMessageBox::Warning);
}

void CSlydraDlg::OnOptions()
{
    if (!ConfirmResign())
        return;
    m_pBoardView->StopSlide();
    m_game.EndGame();
    // Show the reset board at once, whatever the dialog covers.
    m_pBoardView->Repaint();
    if (!RunOptionsDialog())
        return;
    if (CSettings::GetDims() != m_game.Board().m_nSize)
        m_game.SetSize(CSettings::GetDims());
    PrepareTiles();
    m_pBoardView->Repaint();
}

void CSlydraDlg::OnAbout()
{
    CAboutDlg dlg(this);
    CInWindowModal::Run(dlg);
}

void CSlydraDlg::OnBestScores()
{
    CBestScoresDlg dlg(this);
    dlg.m_pScoreTable = &m_scores;
    // A reset that cannot be saved is told at once, over the page.
    connect(dlg.ResetButton(), &QPushButton::clicked, this, &CSlydraDlg::TellSaveFailure);
    dlg.DoModal();
}

void CSlydraDlg::EndSession()
{
    m_bEnding = true;
    CloseDialogsAbove(*this);
    reject();
}

QMessageBox::StandardButton CSlydraDlg::MessageBox(const QString& strText, const QString& strCaption,
                                                   QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    return CMessagePage::Show(strCaption, strText, buttons, icon, this);
}

bool CSlydraDlg::RunOptionsDialog()
{
    COptionsDlg dlg(this);
    dlg.DoModal();
    return dlg.m_bChanged;
}

// Keys the board and the labels do not take come here.
void CSlydraDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (!m_pMenus->TakeKey(*pEvent))
        QDialog::keyPressEvent(pEvent);
}

void CSlydraDlg::resizeEvent(QResizeEvent* pEvent)
{
    QDialog::resizeEvent(pEvent);
    LayOut();
}

// A page or dialog in the window closes as the end of the session closes it,
// and then the window.
void CSlydraDlg::closeEvent(QCloseEvent* pEvent)
{
    if (CInWindowModal::Running(*this)) {
        pEvent->ignore();
        EndSession();
        return;
    }
    QDialog::closeEvent(pEvent);
}

void CSlydraDlg::done(int nResult)
{
    KeepWindowSize(*this);
    QDialog::done(nResult);
}
