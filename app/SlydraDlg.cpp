#include "app/SlydraDlg.h"

#include "app/AboutDlg.h"
#include "app/GameMenus.h"
#include "app/StatusRow.h"
#include "app/WindowSize.h"
#include "ui/CloseDialogs.h"
#include "ui/InWindowModal.h"
#include "ui/MessagePage.h"
#include "options/OptionsDlg.h"
#include "options/PictureNotice.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/BoardView.h"
#include "render/BuiltInImage.h"

#include <QCloseEvent>

CSlydraDlg::CSlydraDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                           | Qt::WindowCloseButtonHint),
      m_records(*this, [this](auto&&... args) { return MessageBox(args...); }, [this] { return m_bEnding; })
{
    setWindowTitle(QStringLiteral("Slydra"));
    setWindowIcon(ReadWindowIcon());
    setSizeGripEnabled(false);
    const QSize defaultSize(CBoardView::kClientWidth, CBoardView::kClientHeight + CGameMenus::kHeight);
    setMinimumSize(defaultSize);
    resize(defaultSize);
    m_pBoardView = new CBoardView(m_game.Board(), this);
    connect(m_pBoardView, &CBoardView::CellClicked, this, &CSlydraDlg::OnCellClicked);
    connect(m_pBoardView, &CBoardView::PictureNotShown, this, &CSlydraDlg::OnPictureNotShown);
    m_pStatus = new CStatusRow(m_game, this);
    m_pMenus = new CGameMenus(*this);
    connect(m_pMenus, &CGameMenus::NewGame, this, &CSlydraDlg::OnNewGame);
    connect(m_pMenus, &CGameMenus::About, this, &CSlydraDlg::OnAbout);
    connect(m_pMenus, &CGameMenus::BestScores, this, &CSlydraDlg::OnBestScores);
    connect(m_pMenus, &CGameMenus::Options, this, &CSlydraDlg::OnOptions);
    connect(m_pMenus, &CGameMenus::Quit, this, &CSlydraDlg::close);
    connect(m_pMenus, &CGameMenus::ArrowKey, this, &CSlydraDlg::OnArrowKey);
    m_game.SetSize(CSettings::GetDims());
    PrepareTiles();
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
    const SBoardColours colours = SBoardColours::FromPalette(palette());
    const QString strPath = CSettings::GetUsePic() ? CSettings::GetLocation() : QString();
    m_pBoardView->SetTileSource({strPath, CSettings::GetFitPic(), colours.face, colours.darkShadow});
    m_pStatus->Place(m_pBoardView->ClientRect());
}

// Told once for each file, whether here or by the Options page that chose it.
void CSlydraDlg::OnPictureNotShown(const QString& strPath, EPictureFault eFault)
{
    if (m_bEnding || CSettings::GetToldPicture() == strPath)
        return;
    CSettings::PutToldPicture(strPath);
    MessageBox(CPictureNotice::Text(eFault), QStringLiteral("Slydra"), QMessageBox::Ok, QMessageBox::Warning);
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
    m_records.OnGridCompleted({m_game.Level(), m_game.LevelName(), m_game.Moves(), m_game.Seconds()},
                              &CGame::RecordsBeaten);
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
    m_records.ShowBestScores();
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
