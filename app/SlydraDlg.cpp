#include "app/SlydraDlg.h"

#include "app/AboutDlg.h"
#include "options/OptionsDlg.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/BoardView.h"
#include "render/BuiltInImage.h"
#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"
#include "scores/ElapsedText.h"
#include "ui/FittedFont.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

CSlydraDlg::CSlydraDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Slydra"));
    // The sizes a window manager shows for a window; launchers and docks take
    // the installed theme icon.
    QIcon icon;
    for (int nSize : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ReadBuiltInImage(QStringLiteral(":/icons/slydra-%1.png").arg(nSize), "PNG")));
    setWindowIcon(icon);
    setFixedSize(CBoardView::kClientWidth, CBoardView::kClientHeight + kMenuBarHeight);
    m_pBoardView = new CBoardView(m_game.Board(), this);
    connect(m_pBoardView, &CBoardView::CellClicked, this, &CSlydraDlg::OnCellClicked);
    connect(&m_game, &CGame::MovesChanged, this, &CSlydraDlg::UpdateMovesText);
    connect(&m_game, &CGame::SecondsChanged, this, &CSlydraDlg::UpdateTimeText);
    OnInitDialog();
}

CSlydraDlg::~CSlydraDlg() = default;

void CSlydraDlg::OnInitDialog()
{
    CreateMenuBar();
    m_game.SetSize(StoredGridSize());
    PrepareTiles();
    CreateLabels();
    UpdateMovesText();
    UpdateTimeText();
}

void CSlydraDlg::CreateMenuBar()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setGeometry(0, CBoardView::kClientHeight, CBoardView::kClientWidth, kMenuBarHeight);

    QMenu* pGame = m_menuBar->addMenu(tr("Game"));
    connect(pGame->addAction(tr("New")), &QAction::triggered, this, &CSlydraDlg::OnNewGame);

    QMenu* pTools = m_menuBar->addMenu(tr("Tools"));
    connect(pTools->addAction(tr("About")), &QAction::triggered, this, &CSlydraDlg::OnAbout);
    connect(pTools->addAction(tr("Best Scores...")), &QAction::triggered, this, &CSlydraDlg::OnBestScores);
    connect(pTools->addAction(tr("Options...")), &QAction::triggered, this, &CSlydraDlg::OnOptions);
}

void CSlydraDlg::CreateLabels()
{
    // Black text straight on the board view's face colour.
    auto create = [this](const QString& strText, const QRect& rect, Qt::Alignment align) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setGeometry(rect);
        pLabel->setAlignment(align | Qt::AlignVCenter);
        QPalette palette = pLabel->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        pLabel->setPalette(palette);
        pLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        return pLabel;
    };
    m_wndMovesLabel = create(QStringLiteral("Moves "), QRect(5, 245, 40, 16), Qt::AlignLeft);
    m_wndMoves = create(QString(), QRect(45, 245, 30, 16), Qt::AlignLeft);
    m_wndTimeLabel = create(QStringLiteral("Time "), QRect(75, 245, 45, 16), Qt::AlignRight);
    m_wndTime = create(QString(), QRect(120, 245, 80, 16), Qt::AlignLeft);
    m_wndMoves->setObjectName(QStringLiteral("moves"));
    m_wndTime->setObjectName(QStringLiteral("time"));
}

int CSlydraDlg::StoredGridSize()
{
    const int nDims = CSettings::GetDims();
    return nDims >= 3 && nDims <= 5 ? nDims : 4;
}

void CSlydraDlg::PrepareTiles()
{
    const QColor crFace = SBoardColours::FromPalette(palette()).face;
    const QString strLocation = CSettings::GetLocation();
    const int nSize = m_game.Board().m_nSize;
    if (CSettings::GetUsePic() && !strLocation.isEmpty()) {
        m_picture.LoadPictureFile(strLocation, crFace, QSize(kCanvasSize, kCanvasSize));
        m_picture.FitToCanvas(kCanvasSize, kCanvasSize, crFace, true, true);
    } else {
        m_picture.LoadBitmapResource(nSize == 3 ? 145 : nSize == 5 ? 147 : 144);
    }
    m_pBoardView->SetTilePicture(m_picture.Surface());
}

void CSlydraDlg::UpdateMovesText()
{
    m_wndMoves->setText(QString::number(m_game.Moves()));
    FittedFont::Fit({m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime});
}

void CSlydraDlg::UpdateTimeText()
{
    m_wndTime->setText(QString::fromStdString(FormatElapsed(m_game.Seconds())));
    FittedFont::Fit({m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime});
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
    if (m_pBoardView->IsSliding())
        return;
    const std::optional<STileMove> move = m_game.MoveTile(nRow, nCol);
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
    MessageBox(QStringLiteral("Congratulations, you have successfully completed the grid in a time of %1 from %2 moves")
                   .arg(strTime)
                   .arg(m_game.Moves()),
               QStringLiteral("Grid Completed"), QMessageBox::Ok, QMessageBox::NoIcon);

    const int nLevel = m_game.Level();
    int nLeastMoves = 0;
    int nFastestTime = 0;
    QString strHolder;
    if (!m_scores.GetMovesRecord(nLevel, nLeastMoves, strHolder)
        || !m_scores.GetTimeRecord(nLevel, nFastestTime, strHolder))
        return;
    const SRecordsBeaten beaten = m_game.RecordsBeaten(nLeastMoves, nFastestTime);
    if (!beaten.Any())
        return;

    CCongratulationsDlg dlg(this);
    dlg.m_strName = CScoreTable::DefaultName();
    if (beaten.bMoves && beaten.bTime) {
        dlg.m_strLine1 = QStringLiteral("Fastest time: %1").arg(strTime);
        dlg.m_strLine2 = QStringLiteral("Least moves: %1").arg(m_game.Moves());
    } else if (beaten.bMoves) {
        dlg.m_strLine2 = QStringLiteral("You used least moves, %1").arg(m_game.Moves());
    } else {
        dlg.m_strLine2 = QStringLiteral("You have the fastet time of %1").arg(strTime);
    }
    dlg.m_strLine3 = QStringLiteral("For %1 level").arg(m_game.LevelName());
    // When the session is ending the record is kept as Cancel would keep it.
    if (!m_bEnding)
        dlg.DoModal();

    if (beaten.bMoves)
        m_scores.SetMovesRecord(nLevel, m_game.Moves(), dlg.m_strName);
    if (beaten.bTime)
        m_scores.SetTimeRecord(nLevel, m_game.Seconds(), dlg.m_strName);
    // On disk at once: a display that goes away or a crash must not take the record with it.
    m_scores.SaveStats();
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
    const int nSize = StoredGridSize();
    if (nSize != m_game.Board().m_nSize)
        m_game.SetSize(nSize);
    PrepareTiles();
    m_pBoardView->Repaint();
}

void CSlydraDlg::OnAbout()
{
    CAboutDlg dlg(this);
    dlg.exec();
}

void CSlydraDlg::OnBestScores()
{
    CBestScoresDlg dlg(this);
    dlg.m_pScoreTable = &m_scores;
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
    reject();
}

QMessageBox::StandardButton CSlydraDlg::MessageBox(const QString& strText, const QString& strCaption,
                                                   QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
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
void CSlydraDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape) {
        pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}
