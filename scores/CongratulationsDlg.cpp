#include "scores/CongratulationsDlg.h"

#include "ui/DialogUnits.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>

CCongratulationsDlg::CCongratulationsDlg(QWidget* pParent)
    : CTitledDlg(QStringLiteral("Congratulations"), pParent)
{
    using DialogUnits::ToPixels;

    m_pName = new QLineEdit(this);
    m_pName->setGeometry(ToPixels(19, 68, 101, 14));
    m_pName->installEventFilter(this);

    const int tops[] = {21, 31, 41};
    for (int i = 0; i < 3; ++i) {
        m_pLines[i] = new QLabel(this);
        m_pLines[i]->setTextFormat(Qt::PlainText);
        m_pLines[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_pLines[i]->setGeometry(ToPixels(7, tops[i], 126, 10));
    }

    auto* pPrompt = new QLabel(QStringLiteral("Please enter your name:"), this);
    pPrompt->setGeometry(ToPixels(19, 57, 114, 10));
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
        m_strLine1 = QStringLiteral("Fastest time: ") + strTime;
        m_strLine2 = QStringLiteral("Least moves: ") + QString::number(nMoves);
    } else if (bMoves) {
        m_strLine2 = QStringLiteral("You used least moves, ") + QString::number(nMoves);
    } else {
        m_strLine2 = QStringLiteral("You have the fastet time of ") + strTime;
    }
    m_strLine3 = QStringLiteral("For ") + strLevel + QStringLiteral(" level");
}

QLabel* CCongratulationsDlg::Line(int nLine) const
{
    return nLine >= 1 && nLine <= 3 ? m_pLines[nLine - 1] : nullptr;
}

void CCongratulationsDlg::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strName = m_pName->text();
        return;
    }
    m_pName->setText(m_strName);
    m_pLines[0]->setText(m_strLine1);
    m_pLines[1]->setText(m_strLine2);
    m_pLines[2]->setText(m_strLine3);
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
