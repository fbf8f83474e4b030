#include "scores/BestScoresDlg.h"

#include "scores/ElapsedText.h"
#include "ui/ScreenReader.h"

#include <QLabel>
#include <QPushButton>

CBestScoresDlg::CBestScoresDlg(QWidget* pParent)
    : CTitledDlg(tr("Best Scores"), pParent)
{
    m_pReset = AddControl(new QPushButton(tr("Reset Scores"), this), 7, 129, 53, 14);
    m_pReset->setAutoDefault(false);
    connect(m_pReset, &QPushButton::clicked, this, &CBestScoresDlg::OnResetScores);

    auto label = [this](const QString& strText, int x, int y, int width) {
        auto* pLabel = AddControl(new QLabel(strText, this), x, y, width, 10);
        pLabel->setTextFormat(Qt::PlainText);
        return pLabel;
    };
    // A screen reader reads each row as one line, from the holder's label.
    auto rowPart = [label](const QString& strText, int x, int y, int width) {
        QLabel* pLabel = label(strText, x, y, width);
        ScreenReader::Skip(*pLabel);
        return pLabel;
    };
    label(tr("Number of Moves:"), 7, 21, 108);
    for (int level = 0; level < kLevels; ++level) {
        const int y = 34 + 10 * level;
        rowPart(CScoreTable::LevelName(level), 7, y, 19);
        m_pMovesName[level] = label(QString(), 27, y, 66);
        m_pMoves[level] = rowPart(QString(), 96, y, 37);
    }
    label(tr("Time to Complete:"), 7, 70, 94);
    for (int level = 0; level < kLevels; ++level) {
        const int y = 83 + 10 * level;
        rowPart(CScoreTable::LevelName(level), 7, y, 19);
        m_pTimeName[level] = label(QString(), 27, y, 66);
        m_pTime[level] = rowPart(QString(), 96, y, 37);
    }
}

CBestScoresDlg::~CBestScoresDlg() = default;

void CBestScoresDlg::OnInitDialog()
{
    // Another window may have set or reset records since this one started.
    if (m_pScoreTable)
        m_pScoreTable->LoadStats();
    CTitledDlg::OnInitDialog();
    // One press of Space or Return must not wipe every record: the page opens
    // on OK, and Reset Scores is pressed only when clicked or tabbed to.
    OkButton()->setFocus();
}

// A name is cut to its label's width, which changes with the page's size.
void CBestScoresDlg::LayOut()
{
    CTitledDlg::LayOut();
    FillFromTable();
}

// The labels show the table itself; they are only a display.
void CBestScoresDlg::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate || !m_pScoreTable)
        return;
    // A name longer than its place ends in an ellipsis rather than cut off.
    const auto showName = [](QLabel* pLabel, const QString& strName, const QString& strRow) {
        pLabel->setText(pLabel->fontMetrics().elidedText(strName, Qt::ElideRight, pLabel->width()));
        pLabel->setAccessibleName(strRow);
    };
    for (int level = 0; level < kLevels; ++level) {
        int nValue{};
        QString strName;
        const QString strLevel = CScoreTable::LevelName(level);
        if (m_pScoreTable->GetMovesRecord(level, nValue, strName)) {
            strName = CScoreTable::ShownName(strName);
            const QString strRow = tr("%1, %2, %n moves", nullptr, nValue).arg(strLevel, strName);
            showName(m_pMovesName[level], strName, strRow);
            m_pMoves[level]->setText(QString::number(nValue));
        }
        if (m_pScoreTable->GetTimeRecord(level, nValue, strName)) {
            strName = CScoreTable::ShownName(strName);
            const QString strTime = FormatElapsed(nValue);
            showName(m_pTimeName[level], strName, tr("%1, %2, %3").arg(strLevel, strName, strTime));
            m_pTime[level]->setText(strTime);
        }
    }
}

void CBestScoresDlg::FillFromTable()
{
    UpdateData(false);
}

void CBestScoresDlg::OnResetScores()
{
    if (!m_pScoreTable)
        return;
    m_pScoreTable->SetDefaults();
    m_pScoreTable->SaveStats();
    FillFromTable();
}
