#include "app/SlydraDlg.h"

#include "app/AboutDlg.h"
#include "app/StatusRow.h"
#include "ui/InWindowModal.h"
#include "ui/MessagePage.h"
#include "ui/TitledDlg.h"
#include "options/OptionsDlg.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/BoardView.h"
#include "render/BuiltInImage.h"
#include "render/PicturePrepare.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"
#include "scores/ElapsedText.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

CSlydraDlg::CSlydraDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                           | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Slydra"));
    setWindowIcon(ReadWindowIcon());
    setSizeGripEnabled(false);
    const QSize defaultSize(CBoardView::kClientWidth, CBoardView::kClientHeight + kMenuBarHeight);
    setMinimumSize(defaultSize);
    resize(defaultSize);
    m_pBoardView = new CBoardView(m_game.Board(), this);
    connect(m_pBoardView, &CBoardView::CellClicked, this, &CSlydraDlg::OnCellClicked);
    m_pStatus = new CStatusRow(this);
    connect(&m_game, &CGame::MovesChanged, m_pStatus, &CStatusRow::SetMoves);
    connect(&m_game, &CGame::SecondsChanged, m_pStatus, &CStatusRow::SetSeconds);
    OnInitDialog();
}

CSlydraDlg::~CSlydraDlg() = default;

void CSlydraDlg::OnInitDialog()
{
    CreateMenuBar();
    m_game.SetSize(CSettings::GetDims());
    PrepareTiles();
    m_pStatus->SetMoves(m_game.Moves());
    m_pStatus->SetSeconds(m_game.Seconds());
    LayOut();
    // The size kept from the last run, no larger than the screen.
    const QSize kept = CSettings::GetWindowSize(size());
    const QSize room = screen() ? screen()->availableSize() : kept;
    resize(kept.boundedTo(room));
    if (CSettings::GetWindowMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
}

// The board view above the menu bar, the bar across the bottom, the labels
// over the client's label row.
void CSlydraDlg::LayOut()
{
    m_pBoardView->setGeometry(0, 0, width(), height() - kMenuBarHeight);
    m_pBoardView->Relayout();
    m_menuBar->setGeometry(0, height() - kMenuBarHeight, width(), kMenuBarHeight);
    m_pStatus->Place(m_pBoardView->ClientRect());
}

void CSlydraDlg::CreateMenuBar()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);

    QMenu* pGame = m_menuBar->addMenu(tr("&Game"));
    // A menu shows one key of an action on its own; the text after the tab shows both.
    const QList<QKeySequence> newKeys = {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)};
    QAction* pNew = pGame->addAction(tr("&New") + QLatin1Char('\t')
                                     + QKeySequence::listToString(newKeys, QKeySequence::NativeText));
    pNew->setShortcuts(newKeys);
    connect(pNew, &QAction::triggered, this, &CSlydraDlg::OnNewGame);

    QMenu* pTools = m_menuBar->addMenu(tr("&Tools"));
    connect(pTools->addAction(tr("&About")), &QAction::triggered, this, &CSlydraDlg::OnAbout);
    connect(pTools->addAction(tr("&Best Scores...")), &QAction::triggered, this, &CSlydraDlg::OnBestScores);
    connect(pTools->addAction(tr("&Options...")), &QAction::triggered, this, &CSlydraDlg::OnOptions);

    AddWindowKey(Qt::Key_F10, [this] { m_menuBar->setActiveAction(m_menuBar->actions().constFirst()); });
    // As the close button: no question, and the records are written as at any close.
    AddWindowKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

void CSlydraDlg::AddWindowKey(const QKeySequence& key, const std::function<void()>& fn)
{
    auto* pAction = new QAction(this);
    pAction->setShortcut(key);
    connect(pAction, &QAction::triggered, this, fn);
    addAction(pAction);
}

void CSlydraDlg::PrepareTiles()
{
    const QColor crFace = SBoardColours::FromPalette(palette()).face;
    const QString strLocation = CSettings::GetLocation();
    const int nSize = m_game.Board().m_nSize;
    const SPictureResult picture = CSettings::GetUsePic() && !strLocation.isEmpty()
        ? PreparePicture(strLocation, QSize(kCanvasSize, kCanvasSize), crFace)
        : SPictureResult();
    // No picture, or one that cannot be shown: the letters of the grid size.
    if (picture.image.isNull())
        m_picture.LoadBitmapResource(nSize == 3 ? 145 : nSize == 5 ? 147 : 144);
    else
        m_picture.Hold(picture.image);
    m_pBoardView->SetTilePicture(m_picture.Surface(), picture.image.isNull());
    m_pBoardView->SetNumberedTiles(!picture.image.isNull());
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
    while (QWidget* pModal = QApplication::activeModalWidget()) {
        if (pModal == this)
            break;
        if (auto* pPage = qobject_cast<CTitledDlg*>(pModal))
            pPage->accept();
        else if (auto* pDialog = qobject_cast<QDialog*>(pModal))
            pDialog->reject();
        else
            pModal->close();
        if (QApplication::activeModalWidget() == pModal)
            break;
    }
    while (QDialog* pInWindow = CInWindowModal::Running(*this)) {
        if (auto* pPage = qobject_cast<CTitledDlg*>(pInWindow))
            pPage->accept();
        else
            pInWindow->reject();
        if (!pInWindow->isHidden())
            break;
    }
    reject();
}

QMessageBox::StandardButton CSlydraDlg::MessageBox(const QString& strText, const QString& strCaption,
                                                   QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    if (CInWindowModal::ForAllDialogs())
        return CMessagePage::Ask(strCaption, strText, buttons, this);
    QMessageBox box(icon, strCaption, strText, buttons, this);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool CSlydraDlg::RunOptionsDialog()
{
    COptionsDlg dlg(this);
    dlg.DoModal();
    return dlg.m_bChanged;
}

// Escape would end the dialog and with it the game; only the close button does.
// Keys the board and the labels do not take come here.
void CSlydraDlg::keyPressEvent(QKeyEvent* pEvent)
{
    static const QHash<int, EDirection> kArrows = {{Qt::Key_Left, EDirection::Left},
                                                   {Qt::Key_Right, EDirection::Right},
                                                   {Qt::Key_Up, EDirection::Up},
                                                   {Qt::Key_Down, EDirection::Down}};
    const bool bPlain = !(pEvent->modifiers() & ~Qt::KeypadModifier);
    if (pEvent->key() == Qt::Key_Escape) {
        pEvent->accept();
        return;
    }
    if (bPlain && kArrows.contains(pEvent->key())) {
        pEvent->accept();
        OnArrowKey(kArrows.value(pEvent->key()));
        return;
    }
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
    const bool bMaximized = isMaximized();
    CSettings::PutWindow(bMaximized ? normalGeometry().size() : size(), bMaximized);
    QDialog::done(nResult);
}
