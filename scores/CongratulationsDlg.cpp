#include "scores/CongratulationsDlg.h"

#include "scores/ScoreTable.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>

CCongratulationsDlg::CCongratulationsDlg(QWidget* pParent)
    : CTitledDlg(tr("Congratulations"), pParent)
{
    m_pName = AddControl(new QLineEdit(this), 19, 68, 101, 14);
    m_pName->installEventFilter(this);

    const int tops[] = {21, 31, 41};
    for (int i = 0; i < 3; ++i) {
        m_pLines[i] = AddControl(new QLabel(this), 7, tops[i], 126, 10);
        m_pLines[i]->setTextFormat(Qt::PlainText);
        m_pLines[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    auto* pPrompt = AddControl(new QLabel(tr("Please enter your name:"), this), 19, 57, 114, 10);
    pPrompt->setBuddy(m_pName);
    m_pName->setAccessibleName(tr("Your name"));
}

CCongratulationsDlg::~CCongratulationsDlg() = default;

// The name box has the focus; its text is selected so that the player types
// straight over "Anonymous".
void CCongratulationsDlg::OnInitDialog()
{
    CTitledDlg::OnInitDialog();
    m_pName->selectAll();
}

void CCongratulationsDlg::DescribeRecords(bool bMoves, bool bTime, int nMoves, const QString& strTime,
                                          const QString& strLevel)
{
    if (bMoves && bTime) {
        m_strLine1 = tr("Fastest time: %1").arg(strTime);
        m_strLine2 = tr("Least moves: %1").arg(nMoves);
    } else if (bMoves) {
        m_strLine2 = tr("You used least moves, %1").arg(nMoves);
    } else {
        m_strLine2 = tr("You have the fastet time of %1").arg(strTime);
    }
    m_strLine3 = tr("For %1 level").arg(strLevel);
}

QLabel* CCongratulationsDlg::Line(int nLine) const
{
    return nLine >= 1 && nLine <= 3 ? m_pLines[nLine - 1] : nullptr;
}

void CCongratulationsDlg::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strName = CScoreTable::StoredName(m_pName->text());
        return;
    }
    m_pName->setText(CScoreTable::ShownName(m_strName));
    m_pLines[0]->setText(m_strLine1);
    m_pLines[1]->setText(m_strLine2);
    m_pLines[2]->setText(m_strLine3);
    // The page opens in the name box: a screen reader tells the records with it.
    QStringList lines = {m_strLine1, m_strLine2, m_strLine3};
    lines.removeAll(QString());
    m_pName->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

// The on-screen keyboard is up while the name box has the focus.
bool CCongratulationsDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pName) {
        if (pEvent->type() == QEvent::FocusIn)
            ShowInputPanel(true);
        else if (pEvent->type() == QEvent::FocusOut)
            ShowInputPanel(false);
    }
    return CTitledDlg::eventFilter(pWatched, pEvent);
}

void CCongratulationsDlg::ShowInputPanel(bool bShow)
{
    if (bShow)
        QGuiApplication::inputMethod()->show();
    else
        QGuiApplication::inputMethod()->hide();
}
