#include "app/StatusRow.h"

#include "app/Game.h"
#include "scores/ElapsedText.h"
#include "ui/FittedFont.h"

#include <QLabel>

namespace {

// Where the row lies in the 240 x 268 client, and its labels within it.
const QRect kRow(0, 245, 240, 16);
const int kEdges[] = {5, 45, 75, 120, 200};

} // namespace

CStatusRow::CStatusRow(const CGame& game, QWidget* pParent)
    : QWidget(pParent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    auto create = [this](const QString& strText, Qt::Alignment align) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setAlignment(align | Qt::AlignVCenter);
        // The text colour that goes with the face colour the board paints behind
        // the row: black on a light face, light on a dark one.
        pLabel->setForegroundRole(QPalette::ButtonText);
        return pLabel;
    };
    m_wndMovesLabel = create(QStringLiteral("Moves "), Qt::AlignLeft);
    m_wndMoves = create(QString(), Qt::AlignLeft);
    m_wndTimeLabel = create(QStringLiteral("Time "), Qt::AlignRight);
    m_wndTime = create(QString(), Qt::AlignLeft);
    m_wndMoves->setObjectName(QStringLiteral("moves"));
    m_wndTime->setObjectName(QStringLiteral("time"));
    SetMoves(game.Moves());
    SetSeconds(game.Seconds());
    connect(&game, &CGame::MovesChanged, this, &CStatusRow::SetMoves);
    connect(&game, &CGame::SecondsChanged, this, &CStatusRow::SetSeconds);
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

void CStatusRow::Place(const QRectF& client)
{
    const double k = client.width() / kRow.width();
    const auto at = [&client, k](double x, double y) { return QPointF(client.x() + x * k, client.y() + y * k); };
    const QRect row = QRectF(at(kRow.left(), kRow.top()), at(kRow.right() + 1, kRow.bottom() + 1)).toRect();
    setGeometry(row);
    QLabel* const labels[] = {m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime};
    for (int i = 0; i < 4; ++i) {
        const int nLeft = qRound(kEdges[i] * k);
        labels[i]->setGeometry(nLeft, 0, qRound(kEdges[i + 1] * k) - nLeft, row.height());
    }
    m_dScale = k;
    FitLabels();
}

void CStatusRow::FitLabels()
{
    FittedFont::Fit({m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime}, m_dScale);
}
