#pragma once

#include <QWidget>

class CGame;
class QLabel;

// The row of four labels under the board: "Moves " and the move count, "Time "
// and the clock, straight on the board's face colour in its text colour,
// mirrored right to left. It follows the game's counts.
class CStatusRow : public QWidget
{
    Q_OBJECT
public:
    CStatusRow(const CGame& game, QWidget* pParent);

    void SetMoves(int nMoves);
    void SetSeconds(int nSeconds);
    // Lays the row over the label row of the client drawn at client, scaled with it.
    void Place(const QRectF& client);

private:
    QString Directed(const QString& strText) const;
    // The four labels share the largest font that shows their texts whole.
    void FitLabels();

    QLabel* m_wndMovesLabel = nullptr;
    QLabel* m_wndMoves = nullptr;
    QLabel* m_wndTimeLabel = nullptr;
    QLabel* m_wndTime = nullptr;
    double m_dScale = 1.0;
};
