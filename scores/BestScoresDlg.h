#pragma once

#include "scores/ScoreTable.h"
#include "ui/TitledDlg.h"

class QLabel;

// Shows the least moves and fastest times of the three grid sizes with their
// holders, as the table reads them from disk when the page opens, and resets
// them. A screen reader reads each record as one line: "3x3, Ada, 31 moves".
class CBestScoresDlg : public CTitledDlg
{
    Q_OBJECT
public:
    static constexpr int kLevels = CScoreTable::kLevels;

    explicit CBestScoresDlg(QWidget* pParent = nullptr);
    ~CBestScoresDlg() override;

    void FillFromTable();
    void OnResetScores();

    CScoreTable* m_pScoreTable = nullptr;

    QLabel* MovesNameLabel(int nLevel) const { return m_pMovesName[nLevel]; }
    QLabel* MovesLabel(int nLevel) const { return m_pMoves[nLevel]; }
    QLabel* TimeNameLabel(int nLevel) const { return m_pTimeName[nLevel]; }
    QLabel* TimeLabel(int nLevel) const { return m_pTime[nLevel]; }
    QPushButton* ResetButton() const { return m_pReset; }

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void LayOut() override;

private:
    QLabel* m_pMovesName[kLevels] = {};
    QLabel* m_pMoves[kLevels] = {};
    QLabel* m_pTimeName[kLevels] = {};
    QLabel* m_pTime[kLevels] = {};
    QPushButton* m_pReset = nullptr;
};
