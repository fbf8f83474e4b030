#include "app/StatusRow.h"

#include "app/Game.h"
#include "scores/ElapsedText.h"
#include "ui/FittedFont.h"
#include "ui/ScreenReader.h"

#include <QLabel>

namespace {

// Where the row lies in the 240 x 268 client, and its labels within it.
const QRect kRow(0, 245, 240, 16);
const int kEdges[] = {5, 45, 75, 120, 200};
// What "Moves" leaves clear before its count at the first size.
const int kGap = 2;

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
    m_wndMovesLabel = create(Directed(tr("Moves ")), Qt::AlignLeft);
    m_wndMoves = create(QString(), Qt::AlignLeft);
    m_wndTimeLabel = create(Directed(tr("Time ")), Qt::AlignRight);
    m_wndTime = create(QString(), Qt::AlignLeft);
    m_wndMoves->setObjectName(QStringLiteral("moves"));
    m_wndTime->setObjectName(QStringLiteral("time"));
    // A screen reader reads each count with its caption, and the captions not on their own.
    ScreenReader::SetRole(*this, QAccessible::StatusBar);
    ScreenReader::Skip(*m_wndMovesLabel);
    ScreenReader::Skip(*m_wndTimeLabel);
    SetMoves(game.Moves());
    SetSeconds(game.Seconds());
    connect(&game, &CGame::MovesChanged, this, &CStatusRow::SetMoves);
    connect(&game, &CGame::SecondsChanged, this, &CStatusRow::SetSeconds);
}

void CStatusRow::SetMoves(int nMoves)
{
    m_wndMoves->setText(Directed(QString::number(nMoves)));
    m_wndMoves->setAccessibleName(tr("Moves %1").arg(nMoves));
    FitLabels();
}

void CStatusRow::SetSeconds(int nSeconds)
{
    const QString strTime = FormatElapsed(nSeconds);
    m_wndTime->setText(Directed(strTime));
    m_wndTime->setAccessibleName(tr("Time %1").arg(strTime));
    FitLabels();
}

// A mark of right-to-left text at the start: the text runs, and aligns, the
// way the row does, and a caption's space stands between it and its count.
QString CStatusRow::Directed(const QString& strText) const
{
    return isRightToLeft() ? QChar(0x200F) + strText : strText;
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
        const int nRight = qRound(kEdges[i + 1] * k);
        // Right to left the row reads from the right edge.
        labels[i]->setGeometry(isRightToLeft() ? row.width() - nRight : nLeft, 0, nRight - nLeft, row.height());
    }
    // The caption shrinks its font rather than run up to its count.
    const int nGap = qRound(kGap * k);
    m_wndMovesLabel->setContentsMargins(isRightToLeft() ? nGap : 0, 0, isRightToLeft() ? 0 : nGap, 0);
    m_dScale = k;
    FitLabels();
}

void CStatusRow::FitLabels()
{
    FittedFont::Fit({m_wndMovesLabel, m_wndMoves, m_wndTimeLabel, m_wndTime}, m_dScale);
}
