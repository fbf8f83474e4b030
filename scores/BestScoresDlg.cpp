#include "scores/BestScoresDlg.h"

#include "scores/ElapsedText.h"
#include "ui/DialogUnits.h"

#include <QLabel>
#include <QPushButton>

CBestScoresDlg::CBestScoresDlg(QWidget* pParent)
    : CTitledDlg(QStringLiteral("Best Scores"), pParent)
{
    using DialogUnits::ToPixels;

    m_pReset = new QPushButton(QStringLiteral("Reset Scores"), this);
    m_pReset->setGeometry(ToPixels(7, 129, 53, 14));
    m_pReset->setAutoDefault(false);
    connect(m_pReset, &QPushButton::clicked, this, &CBestScoresDlg::OnResetScores);

    auto label = [this](const QString& strText, int x, int y, int width) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setTextFormat(Qt::PlainText);
        pLabel->setGeometry(ToPixels(x, y, width, 10));
        return pLabel;
    };
    const QString levels[kLevels] = {QStringLiteral("3x3"), QStringLiteral("4x4"), QStringLiteral("5x5")};

    label(QStringLiteral("Number of Moves:"), 7, 21, 108);
    for (int level = 0; level < kLevels; ++level) {
        const int y = 34 + 10 * level;
        label(levels[level], 7, y, 19);
        m_pMovesName[level] = label(QString(), 27, y, 66);
        m_pMoves[level] = label(QString(), 96, y, 37);
    }

    label(QStringLiteral("Time to Complete:"), 7, 70, 94);
    for (int level = 0; level < kLevels; ++level) {
        const int y = 83 + 10 * level;
        label(levels[level], 7, y, 19);
        m_pTimeName[level] = label(QString(), 27, y, 66);
        m_pTime[level] = label(QString(), 96, y, 37);
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

// The labels show the table itself; they are only a display.
void CBestScoresDlg::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate || !m_pScoreTable)
        return;
    // A name longer than its place ends in an ellipsis rather than cut off.
    const auto showName = [](QLabel* pLabel, const QString& strName) {
        pLabel->setText(pLabel->fontMetrics().elidedText(strName, Qt::ElideRight, pLabel->width()));
    };
    for (int level = 0; level < kLevels; ++level) {
        int nValue{};
        QString strName;
        if (m_pScoreTable->GetMovesRecord(level, nValue, strName)) {
            showName(m_pMovesName[level], strName);
            m_pMoves[level]->setText(QString::number(nValue));
        }
        if (m_pScoreTable->GetTimeRecord(level, nValue, strName)) {
            showName(m_pTimeName[level], strName);
            m_pTime[level]->setText(QString::fromStdString(FormatElapsed(nValue)));
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
