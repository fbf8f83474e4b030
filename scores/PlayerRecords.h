#pragma once

#include "scores/ScoreTable.h"

#include <QMessageBox>

#include <functional>

class QWidget;

// What the player sees of the records: a completed grid reported, a record
// that fell named, the Best Scores page, and a save that failed told once.
class CPlayerRecords
{
public:
    using Ask = std::function<QMessageBox::StandardButton(const QString& strText, const QString& strCaption,
                                                          QMessageBox::StandardButtons buttons, QMessageBox::Icon)>;
    struct SResult
    {
        int nLevel;
        QString strLevelName;
        int nMoves;
        int nSeconds;
    };

    // ask shows a message over the window; isEnding turns true when the
    // session ends, and from then on nothing waits for the player.
    CPlayerRecords(QWidget& window, Ask ask, std::function<bool()> isEnding);

    void OnGridCompleted(const SResult& result, const CScoreTable::RecordRule& beats);
    void ShowBestScores();
    void TellSaveFailure();

private:
    QWidget& m_window;
    Ask m_ask;
    std::function<bool()> m_isEnding;
    CScoreTable m_scores;
};
