#include "scores/PlayerRecords.h"

#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"
#include "scores/ElapsedText.h"

#include <QPushButton>

CPlayerRecords::CPlayerRecords(QWidget& window, Ask ask, std::function<bool()> isEnding)
    : m_window(window), m_ask(std::move(ask)), m_isEnding(std::move(isEnding))
{
}

void CPlayerRecords::OnGridCompleted(const SResult& result, const CScoreTable::RecordRule& beats)
{
    const QString strTime = QString::fromStdString(FormatElapsed(result.nSeconds));
    // Compared with the records on disk and saved there before anything waits
    // for the player: a display that goes away or a crash must not take the
    // record with it.
    const SRecordsBeaten beaten = m_scores.OfferResult(result.nLevel, result.nMoves, result.nSeconds, beats);
    m_ask(QStringLiteral("Congratulations, you have successfully completed the grid in a time of %1 from %2 moves")
              .arg(strTime)
              .arg(result.nMoves),
          QStringLiteral("Grid Completed"), QMessageBox::Ok, QMessageBox::NoIcon);
    if (!beaten.Any())
        return TellSaveFailure();

    CCongratulationsDlg dlg(&m_window);
    dlg.m_strName = CScoreTable::DefaultName();
    dlg.DescribeRecords(beaten.bMoves, beaten.bTime, result.nMoves, strTime, result.strLevelName);
    // When the session is ending the record is kept as Cancel would keep it.
    if (!m_isEnding())
        dlg.DoModal();
    m_scores.NameRecords(dlg.m_strName);
    TellSaveFailure();
}

void CPlayerRecords::ShowBestScores()
{
    CBestScoresDlg dlg(&m_window);
    dlg.m_pScoreTable = &m_scores;
    // A reset that cannot be saved is told at once, over the page.
    QObject::connect(dlg.ResetButton(), &QPushButton::clicked, [this] { TellSaveFailure(); });
    dlg.DoModal();
}

void CPlayerRecords::TellSaveFailure()
{
    const QString strFailure = m_scores.TakeUntoldFailure();
    if (!strFailure.isEmpty() && !m_isEnding())
        m_ask(strFailure, QStringLiteral("Slydra"), QMessageBox::Ok, QMessageBox::Warning);
}
