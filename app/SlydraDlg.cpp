#include "app/SlydraDlg.h"

#include "app/AboutDlg.h"
#include "app/GameMenus.h"
#include "app/StatusRow.h"
#include "app/WindowSize.h"
#include "options/OptionsDlg.h"
#include "options/PictureNotice.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/BoardView.h"
#include "render/BuiltInImage.h"
#include "ui/ScreenReader.h"

#include <QCloseEvent>

#include <algorithm>

CSlydraDlg::CSlydraDlg(QWidget* pParent)
    : QWidget(pParent, Qt::Window),
      m_pages(*this),
      m_records([this](auto&&... args) { MessageBox(args...); },
                [this](auto&&... args) { m_pages.Open(args...); })
{
    setWindowTitle(tr("Slydra"));
    setWindowIcon(ReadWindowIcon());
    ScreenReader::SetRole(*this, QAccessible::Window);
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

// The window is the first size's 240 x 294 grown evenly: the board view above,
// the menu bar along the bottom at its scaled height, the labels over the
// client's label row and a page over the whole client.
void CSlydraDlg::LayOut()
{
    const double dScale = std::max(1.0, std::min(width() / static_cast<double>(minimumWidth()),
                                                 height() / static_cast<double>(minimumHeight())));
    const int nBar = qRound(CGameMenus::kHeight * dScale);
    m_pBoardView->setGeometry(0, 0, width(), height() - nBar);
    m_pBoardView->Relayout();
    m_pMenus->setGeometry(0, height() - nBar, width(), nBar);
    m_pMenus->SetScale(dScale);
    m_pStatus->Place(m_pBoardView->ClientRect());
    m_pages.Place(m_pBoardView->ClientRect().toRect());
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
    // Nothing is told over a closed window; the next start tells it.
    if (isHidden() || CSettings::GetToldPicture() == strPath)
        return;
    CSettings::PutToldPicture(strPath);
    MessageBox(CPictureNotice::Text(eFault), tr("Slydra"), QMessageBox::Ok, QMessageBox::Warning, [](auto) {});
}

void CSlydraDlg::ConfirmResign(const std::function<void()>& onResigned)
{
    if (!m_game.IsRunning())
        return onResigned();
    MessageBox(tr("Do you want to resign this game?"), tr("Slydra"), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Question, [onResigned](QMessageBox::StandardButton answer) {
                   if (answer != QMessageBox::No)
                       onResigned();
               });
}

void CSlydraDlg::OnNewGame()
{
    ConfirmResign([this] {
        // A slide still running would draw its old tile over the new board.
        m_pBoardView->StopSlide();
        m_game.StartNewGame();
        m_pBoardView->Repaint();
    });
}

void CSlydraDlg::OnCellClicked(int nRow, int nCol)
{
    PlayMove([this, nRow, nCol] { return m_game.MoveTile(nRow, nCol); });
}

void CSlydraDlg::OnArrowKey(EDirection direction)
{
    // Keys typed quickly all count; a tap during a slide is still dropped.
    m_pBoardView->FinishSlide();
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
    ConfirmResign([this] {
        m_pBoardView->StopSlide();
        m_game.EndGame();
        // Show the reset board at once, whatever the page covers.
        m_pBoardView->Repaint();
        auto* pPage = new COptionsDlg;
        m_pages.Open(pPage, [this, pPage](int) {
            if (!pPage->m_bChanged || isHidden())
                return;
            if (CSettings::GetDims() != m_game.Board().m_nSize)
                m_game.SetSize(CSettings::GetDims());
            PrepareTiles();
            m_pBoardView->Repaint();
        });
    });
}

void CSlydraDlg::OnAbout()
{
    auto* pAbout = new CAboutDlg(this);
    pAbout->setAttribute(Qt::WA_DeleteOnClose);
    pAbout->open();
}

void CSlydraDlg::OnBestScores()
{
    m_records.ShowBestScores();
}

void CSlydraDlg::EndSession()
{
    close();
}

void CSlydraDlg::MessageBox(const QString& strText, const QString& strCaption, QMessageBox::StandardButtons buttons,
                            QMessageBox::Icon icon, const Answer& onAnswer)
{
    m_pages.Ask(strText, strCaption, buttons, icon, onAnswer);
}

void CSlydraDlg::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    LayOut();
}

void CSlydraDlg::closeEvent(QCloseEvent* pEvent)
{
    KeepWindowSize(*this);
    // Hidden first: what the closing questions and page lead to opens nothing.
    hide();
    m_pages.Close();
    QWidget::closeEvent(pEvent);
}
