#include "app/SlydraDlg.h"

#include "app/AboutDlg.h"
#include "board/TickCount.h"
#include "options/OptionsDlg.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
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
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QTimerEvent>

CSlydraDlg::CSlydraDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_slide([this](unsigned int nIDEvent) { KillTimer(nIDEvent); })
    , m_frame(kClientWidth, kClientHeight, QImage::Format_RGB32)
    , m_tick(&TickCount)
{
    setWindowTitle(QStringLiteral("Slydra"));
    // The sizes a window manager shows for a window; launchers and docks take
    // the installed theme icon.
    QIcon icon;
    for (int nSize : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ReadBuiltInImage(QStringLiteral(":/icons/slydra-%1.png").arg(nSize), "PNG")));
    setWindowIcon(icon);
    setFixedSize(kClientWidth, kClientHeight + kMenuBarHeight);
    OnInitDialog();
}

CSlydraDlg::~CSlydraDlg() = default;

void CSlydraDlg::OnInitDialog()
{
    CreateMenuBar();
    m_board.SetSize(StoredGridSize());
    m_board.Reset();
    PrepareTiles();
    CreateLabels();
    UpdateMovesText();
    UpdateTimeText();
}

void CSlydraDlg::CreateMenuBar()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setGeometry(0, kClientHeight, kClientWidth, kMenuBarHeight);

    QMenu* pGame = m_menuBar->addMenu(tr("Game"));
    connect(pGame->addAction(tr("New")), &QAction::triggered, this, &CSlydraDlg::OnNewGame);

    QMenu* pTools = m_menuBar->addMenu(tr("Tools"));
    connect(pTools->addAction(tr("About")), &QAction::triggered, this, &CSlydraDlg::OnAbout);
    connect(pTools->addAction(tr("Best Scores...")), &QAction::triggered, this, &CSlydraDlg::OnBestScores);
    connect(pTools->addAction(tr("Options...")), &QAction::triggered, this, &CSlydraDlg::OnOptions);
}

void CSlydraDlg::CreateLabels()
{
    // Black text straight on the window's face colour.
    auto create = [this](const QString& strText, const QRect& rect, Qt::Alignment align) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setGeometry(rect);
        pLabel->setAlignment(align | Qt::AlignVCenter);
        QPalette palette = pLabel->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        pLabel->setPalette(palette);
        pLabel->setAutoFillBackground(false);
        pLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        return pLabel;
    };
    m_wndMovesLabel = create(QStringLiteral("Moves "), QRect(5, 245, 40, 16), Qt::AlignLeft);
    m_wndMoves = create(QString(), QRect(45, 245, 30, 16), Qt::AlignLeft);
    m_wndTimeLabel = create(QStringLiteral("Time "), QRect(75, 245, 45, 16), Qt::AlignRight);
    m_wndTime = create(QString(), QRect(120, 245, 80, 16), Qt::AlignLeft);
}

int CSlydraDlg::StoredGridSize()
{
    const int nDims = CSettings::GetDims();
    return nDims >= 3 && nDims <= 5 ? nDims : 4;
}

// ---- the game -------------------------------------------------------------

bool CSlydraDlg::ConfirmResign()
{
    if (!m_bRunning)
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
    m_slide.StopSlide();
    StopClock();
    StartNewGame();
    InvalidateBoard();
}

void CSlydraDlg::StartNewGame()
{
    if (!ConfirmResign())
        return;
    m_board.Reset();
    m_board.Scramble(*m_pRandom, m_tick());
    m_nMoves = 0;
    m_nSeconds = 0;
    m_nClockTimer = SetTimer(kClockTimerId, kClockPeriodMs);
    m_bRunning = true;
    UpdateMovesText();
    UpdateTimeText();
}

void CSlydraDlg::StopClock()
{
    KillTimer(m_nClockTimer);
    m_bRunning = false;
}

void CSlydraDlg::UpdateMovesText()
{
    m_wndMoves->setText(QString::number(m_nMoves));
    FitLabels();
}

void CSlydraDlg::UpdateTimeText()
{
    m_wndTime->setText(QString::fromStdString(FormatElapsed(m_nSeconds)));
    FitLabels();
}

void CSlydraDlg::FitLabels()
{
    FittedFont::Fit({m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime});
}

void CSlydraDlg::OnTimer(unsigned int nIDEvent)
{
    if (nIDEvent == kClockTimerId) {
        if (m_bRunning) {
            ++m_nSeconds;
            UpdateTimeText();
        }
        return;
    }
    SlideFrame();
}

void CSlydraDlg::OnLButtonDown(const QPoint& point)
{
    if (m_slide.m_bActive)
        return;
    int nRow = 0;
    int nCol = 0;
    if (!BoardGeometry::CellAtPoint(point.x(), point.y(), m_nTileSize, m_board.m_nSize, nRow, nCol))
        return;

    int nBlankRow = 0;
    int nBlankCol = 0;
    m_board.FindBlank(nBlankRow, nBlankCol);
    if (!m_board.Move(nRow, nCol))
        return;

    const int nTile = m_board.GetAt(nBlankRow, nBlankCol);
    StartSlide(nTile, nRow, nCol, nBlankRow, nBlankCol);

    if (m_bRunning) {
        ++m_nMoves;
        UpdateMovesText();
        if (m_board.IsSolved())
            OnGridCompleted();
    }
}

void CSlydraDlg::OnGridCompleted()
{
    StopClock();
    const QString strTime = QString::fromStdString(FormatElapsed(m_nSeconds));
    // Compared with the records on disk and saved there before anything waits
    // for the player: a display that goes away or a crash must not take the
    // record with it.
    const int nLevel = m_board.m_nSize - 3;
    bool bMovesRecord = false;
    bool bTimeRecord = false;
    m_scores.OfferResult(nLevel, m_nMoves, m_nSeconds, bMovesRecord, bTimeRecord);
    MessageBox(QStringLiteral("Congratulations, you have successfully completed the grid in a time of %1 from %2 moves")
                   .arg(strTime)
                   .arg(m_nMoves),
               QStringLiteral("Grid Completed"), QMessageBox::Ok, QMessageBox::NoIcon);
    if (!bMovesRecord && !bTimeRecord)
        return;

    CCongratulationsDlg dlg(this);
    dlg.m_strName = CScoreTable::DefaultName();
    if (bMovesRecord && bTimeRecord) {
        dlg.m_strLine1 = QStringLiteral("Fastest time: %1").arg(strTime);
        dlg.m_strLine2 = QStringLiteral("Least moves: %1").arg(m_nMoves);
    } else if (bMovesRecord) {
        dlg.m_strLine2 = QStringLiteral("You used least moves, %1").arg(m_nMoves);
    } else {
        dlg.m_strLine2 = QStringLiteral("You have the fastet time of %1").arg(strTime);
    }
    dlg.m_strLine3 = QStringLiteral("For %1 level").arg(GetLevelName());
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

QString CSlydraDlg::GetLevelName() const
{
    if (m_board.m_nSize == 4)
        return QStringLiteral("4x4");
    if (m_board.m_nSize == 5)
        return QStringLiteral("5x5");
    return QStringLiteral("3x3");
}

void CSlydraDlg::OnOptions()
{
    if (!ConfirmResign())
        return;
    m_slide.StopSlide();
    StopClock();
    m_board.Reset();
    m_nMoves = 0;
    m_nSeconds = 0;
    UpdateMovesText();
    UpdateTimeText();
    // Show the reset board at once, whatever the dialog covers.
    InvalidateBoard();

    if (!RunOptionsDialog())
        return;

    const int nSize = StoredGridSize();
    if (nSize != m_board.m_nSize) {
        m_board.SetSize(nSize);
        m_board.Reset();
    }
    PrepareTiles();
    InvalidateBoard();
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

void CSlydraDlg::OnAbout()
{
    CAboutDlg dlg(this);
    dlg.exec();
}

void CSlydraDlg::OnBestScores()
{
    CBestScoresDlg dlg(this);
    dlg.m_pScoreTable = &m_scores;
    // A reset that cannot be saved is told at once, over the page.
    connect(dlg.ResetButton(), &QPushButton::clicked, this, &CSlydraDlg::TellSaveFailure);
    dlg.DoModal();
}

// ---- tile picture, painting, slides ---------------------------------------

void CSlydraDlg::PrepareTiles()
{
    m_nTileSize = BoardGeometry::TileSize(ClientRect().width(), m_board.m_nSize);
    const QColor crFace = SBoardColours::FromPalette(palette()).face;
    const QString strLocation = CSettings::GetLocation();
    if (CSettings::GetUsePic() && !strLocation.isEmpty()) {
        m_picture.LoadPictureFile(strLocation, crFace, QSize(kCanvasSize, kCanvasSize));
        m_picture.FitToCanvas(kCanvasSize, kCanvasSize, crFace, true, true);
    } else {
        const int nSheet = m_board.m_nSize == 3 ? 145 : m_board.m_nSize == 5 ? 147 : 144;
        m_picture.LoadBitmapResource(nSheet);
    }
}

void CSlydraDlg::InvalidateBoard()
{
    m_bFrameStale = true;
    update(ClientRect());
}

void CSlydraDlg::OnPaint()
{
    QPainter painter(&m_frame);
    CBoardPainter::PaintBoard(painter, ClientRect(), SBoardColours::FromPalette(palette()), m_board, m_picture,
                              m_nTileSize);
}

void CSlydraDlg::paintEvent(QPaintEvent*)
{
    if (m_bFrameStale) {
        OnPaint();
        m_bFrameStale = false;
    }
    QPainter painter(this);
    painter.drawImage(ClientRect(), m_frame);
}

void CSlydraDlg::StartSlide(int nTile, int nFromRow, int nFromCol, int nToRow, int nToCol)
{
    const bool bAnimate = CSettings::GetUseAnim();
    m_slide.Begin(nTile, nFromRow, nFromCol, nToRow, nToCol, bAnimate);
    if (bAnimate) {
        m_slide.m_nTimerId = SetTimer(CSlideAnimation::kTimerId, CSlideAnimation::kTimerPeriodMs);
        // Without a timer the later frames would never come: finish at once.
        if (m_slide.m_nTimerId == 0)
            m_slide.m_nFrame = m_slide.m_nFrameCount - 1;
    }
    SlideFrame();
}

void CSlydraDlg::SlideFrame()
{
    if (!m_slide.m_bActive)
        return;
    const CSlideAnimation::SFrame frame = m_slide.AdvanceFrame(m_nTileSize);
    {
        QPainter painter(&m_frame);
        CBoardPainter::DrawSlideFrame(painter, frame, m_slide.m_nTile, m_board.m_nSize, ClientRect().width(),
                                      SBoardColours::FromPalette(palette()), m_picture, m_nTileSize);
    }
    if (frame.bLast)
        m_slide.StopSlide();
    const QRect tile(frame.tile.x, frame.tile.y, m_nTileSize, m_nTileSize);
    const SRect& e = frame.uncovered;
    update(tile.united(QRect(e.left, e.top, e.Width(), e.Height())));
}

// ---- platform adapters ----------------------------------------------------

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

unsigned int CSlydraDlg::SetTimer(unsigned int nIDEvent, int nElapseMs)
{
    KillTimer(nIDEvent);
    const int nQtId = startTimer(nElapseMs, Qt::PreciseTimer);
    if (nQtId == 0)
        return 0;
    m_timers[nIDEvent] = nQtId;
    return nIDEvent;
}

void CSlydraDlg::KillTimer(unsigned int nIDEvent)
{
    const auto it = m_timers.find(nIDEvent);
    if (it == m_timers.end())
        return;
    killTimer(it->second);
    m_timers.erase(it);
}

void CSlydraDlg::timerEvent(QTimerEvent* pEvent)
{
    for (const auto& [nIDEvent, nQtId] : m_timers) {
        if (nQtId == pEvent->timerId()) {
            OnTimer(nIDEvent);
            return;
        }
    }
    QDialog::timerEvent(pEvent);
}

void CSlydraDlg::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton && ClientRect().contains(pEvent->position().toPoint()))
        OnLButtonDown(pEvent->position().toPoint());
    QDialog::mousePressEvent(pEvent);
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
