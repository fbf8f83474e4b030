#pragma once

#include "scores/ScoreTable.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <functional>

class CTitledDlg;

// What the player sees of the records: a completed grid reported, a record
// that fell named, the Best Scores page, and a save that failed told once.
class CPlayerRecords
{
    Q_DECLARE_TR_FUNCTIONS(CPlayerRecords)
public:
    using Answer = std::function<void(QMessageBox::StandardButton)>;
    // Shows a message over the window and passes on the button that closed it.
    using Ask = std::function<void(const QString& strText, const QString& strCaption, QMessageBox::StandardButtons,
                                   QMessageBox::Icon, const Answer& onAnswer)>;
    // Opens a page over the window and passes on its result when it closes.
    using Open = std::function<void(CTitledDlg* pPage, const std::function<void(int)>& onFinished)>;
    struct SResult
    {
        int nLevel;
        QString strLevelName;
        int nMoves;
        int nSeconds;
    };

    CPlayerRecords(Ask ask, Open open);

    void OnGridCompleted(const SResult& result, const CScoreTable::RecordRule& beats);
    void ShowBestScores();
    void TellSaveFailure();

private:
    Ask m_ask;
    Open m_open;
    CScoreTable m_scores;
};
