#pragma once

#include "board/Board.h"
#include "board/RandomSource.h"
#include "scores/ScoreTable.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

// One tile that moved into the blank: from the tapped cell to the blank's old cell.
struct STileMove
{
    int nTile{};
    int nFromRow{};
    int nFromCol{};
    int nToRow{};
    int nToCol{};
    // The move finished a running game: the clock has stopped.
    bool bCompleted{};
};

// The way an arrow key points: the tile on the far side of the blank moves that way into it.
enum class EDirection
{
    Left,
    Right,
    Up,
    Down,
};

// The running game without a window: the board, the moves and seconds of the
// game, running or idle, what a tap on a cell does, completion and the record
// rule. Between games tiles still slide, but nothing is counted.
class CGame : public QObject
{
    Q_OBJECT
public:
    static constexpr int kClockPeriodMs = 1000;

    explicit CGame(QObject* pParent = nullptr);

    const CBoard& Board() const { return m_board; }
    int Moves() const { return m_nMoves; }
    int Seconds() const { return m_nSeconds; }
    bool IsRunning() const { return m_bRunning; }
    // The index of the records of this grid size, and its name for the player.
    int Level() const { return m_board.m_nSize - 3; }
    QString LevelName() const;

    void SetRandomSource(CRandomSource* pRandom) { m_pRandom = pRandom; }

    // A new board of that size in home order, 4x4 for a size outside 3..5; the game ends.
    void SetSize(int nSize);
    // Scrambles the board, zeroes the counters and starts the clock.
    void StartNewGame();
    void StopClock();
    // Stops the clock, puts the tiles home and zeroes the counters.
    void EndGame();
    // One second of the clock: counted only while a game runs.
    void Tick();
    // Slides the tile at (nRow, nCol) into the blank if they share an edge;
    // a running game counts it and may end with it.
    std::optional<STileMove> MoveTile(int nRow, int nCol);
    // Slides the tile beside the blank into it in that direction: Left moves
    // the tile right of the blank. With no tile on that side, no move.
    std::optional<STileMove> MoveTowards(EDirection direction);
    // Which records of its level a result beats: one equal to a record does not.
    static SRecordsBeaten RecordsBeaten(int nMoves, int nSeconds, int nLeastMoves, int nFastestTime);

signals:
    void MovesChanged(int nMoves);
    void SecondsChanged(int nSeconds);

private:
    void SetCounters(int nMoves, int nSeconds);

    CBoard m_board;
    int m_nMoves = 0;
    int m_nSeconds = 0;
    bool m_bRunning = false;
    QTimer m_clock;
    CRuntimeRandom m_runtimeRandom;
    CRandomSource* m_pRandom = &m_runtimeRandom;
};
