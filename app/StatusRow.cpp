#include "app/StatusRow.h"

#include "scores/ElapsedText.h"
#include "ui/FittedFont.h"

#include <QLabel>

namespace {

// Where the row lies in the window's client area, and its labels within it.
const QRect kRow(0, 245, 240, 16);

} // namespace

CStatusRow::CStatusRow(QWidget* pParent)
    : QWidget(pParent)
{
    setGeometry(kRow);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    auto create = [this](const QString& strText, int nLeft, int nRight, Qt::Alignment align) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setGeometry(nLeft, 0, nRight - nLeft, kRow.height());
        pLabel->setAlignment(align | Qt::AlignVCenter);
        // The text colour that goes with the face colour the board paints behind
        // the row: black on a light face, light on a dark one.
        pLabel->setForegroundRole(QPalette::ButtonText);
        return pLabel;
    };
    m_wndMovesLabel = create(QStringLiteral("Moves "), 5, 45, Qt::AlignLeft);
    m_wndMoves = create(QString(), 45, 75, Qt::AlignLeft);
    m_wndTimeLabel = create(QStringLiteral("Time "), 75, 120, Qt::AlignRight);
    m_wndTime = create(QString(), 120, 200, Qt::AlignLeft);
    m_wndMoves->setObjectName(QStringLiteral("moves"));
    m_wndTime->setObjectName(QStringLiteral("time"));
}

void CStatusRow::SetMoves(int nMoves)
{
    m_wndMoves->setText(QString::number(nMoves));
    // A screen reader reads the count with its caption: "Moves 1".
    m_wndMoves->setAccessibleName(m_wndMovesLabel->text() + m_wndMoves->text());
    FitLabels();
}

void CStatusRow::SetSeconds(int nSeconds)
{
    m_wndTime->setText(QString::fromStdString(FormatElapsed(nSeconds)));
    m_wndTime->setAccessibleName(m_wndTimeLabel->text() + m_wndTime->text());
    FitLabels();
}

void CStatusRow::FitLabels()
{
    FittedFont::Fit({m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime});
}
