#include "scores/PlayerRecords.h"

#include "scores/BestScoresDlg.h"
#include "scores/CongratulationsDlg.h"
#include "scores/ElapsedText.h"

#include <QPushButton>

CPlayerRecords::CPlayerRecords(Ask ask, Open open)
    : m_ask(std::move(ask)), m_open(std::move(open))
{
}

void CPlayerRecords::OnGridCompleted(const SResult& result, const CScoreTable::RecordRule& beats)
{
    const QString strTime = FormatElapsed(result.nSeconds);
    // Compared with the records on disk and saved there before anything waits
    // for the player: a display that goes away or a crash must not take the
    // record with it.
    const SRecordsBeaten beaten = m_scores.OfferResult(result.nLevel, result.nMoves, result.nSeconds, beats);
    // English keeps "from 1 moves": the plural forms are for the languages that need them.
    const QString strText =
        tr("Congratulations, you have successfully completed the grid in a time of %1 from %n moves", nullptr,
           result.nMoves)
            .arg(strTime);
    m_ask(strText, tr("Grid Completed"), QMessageBox::Ok, QMessageBox::NoIcon, [this, beaten, result, strTime](auto) {
        if (!beaten.Any())
            return TellSaveFailure();
        auto* pDlg = new CCongratulationsDlg;
        pDlg->m_strName = CScoreTable::DefaultName();
        pDlg->DescribeRecords(beaten.bMoves, beaten.bTime, result.nMoves, strTime, result.strLevelName);
        m_open(pDlg, [this, pDlg](int) {
            m_scores.NameRecords(pDlg->m_strName);
            TellSaveFailure();
        });
    });
}

void CPlayerRecords::ShowBestScores()
{
    auto* pDlg = new CBestScoresDlg;
    pDlg->m_pScoreTable = &m_scores;
    // A reset that cannot be saved is told at once, over the page.
    QObject::connect(pDlg->ResetButton(), &QPushButton::clicked, pDlg, [this] { TellSaveFailure(); });
    m_open(pDlg, {});
}

void CPlayerRecords::TellSaveFailure()
{
    const QString strFailure = m_scores.TakeUntoldFailure();
    if (!strFailure.isEmpty())
        m_ask(strFailure, tr("Slydra"), QMessageBox::Ok, QMessageBox::Warning, [](auto) {});
}
