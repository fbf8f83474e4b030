#include "app/Game.h"

#include "board/TickCount.h"

CGame::CGame(QObject* pParent)
    : QObject(pParent)
{
    m_clock.setInterval(kClockPeriodMs);
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &CGame::Tick);
}

QString CGame::LevelName() const
{
    return CScoreTable::LevelName(m_board.m_nSize == 4 || m_board.m_nSize == 5 ? Level() : 0);
}

void CGame::SetSize(int nSize)
{
    StopClock();
    // Neighbour lists and letter sheets exist for 3, 4 and 5 only.
    m_board.SetSize(nSize >= 3 && nSize <= 5 ? nSize : 4);
    m_board.Reset();
}

void CGame::StartNewGame()
{
    m_board.Reset();
    m_board.Scramble(*m_pRandom, TickCount());
    SetCounters(0, 0);
    // The clock starts with the game, not with its first move.
    m_clock.start();
    m_bRunning = true;
}

void CGame::StopClock()
{
    m_clock.stop();
    m_bRunning = false;
}

void CGame::EndGame()
{
    StopClock();
    m_board.Reset();
    SetCounters(0, 0);
}

void CGame::Tick()
{
    if (!m_bRunning)
        return;
    ++m_nSeconds;
    emit SecondsChanged(m_nSeconds);
}

std::optional<STileMove> CGame::MoveTile(int nRow, int nCol)
{
    STileMove move;
    m_board.FindBlank(move.nToRow, move.nToCol);
    if (!m_board.Move(nRow, nCol))
        return std::nullopt;
    move.nTile = m_board.GetAt(move.nToRow, move.nToCol);
    move.nFromRow = nRow;
    move.nFromCol = nCol;
    if (m_bRunning) {
        ++m_nMoves;
        emit MovesChanged(m_nMoves);
        if (m_board.IsSolved()) {
            StopClock();
            move.bCompleted = true;
        }
    }
    return move;
}

std::optional<STileMove> CGame::MoveTowards(EDirection direction)
{
    int nRow{};
    int nCol{};
    m_board.FindBlank(nRow, nCol);
    switch (direction) {
    case EDirection::Left:
        ++nCol;
        break;
    case EDirection::Right:
        --nCol;
        break;
    case EDirection::Up:
        ++nRow;
        break;
    case EDirection::Down:
        --nRow;
        break;
    }
    return MoveTile(nRow, nCol);
}

SRecordsBeaten CGame::RecordsBeaten(int nMoves, int nSeconds, int nLeastMoves, int nFastestTime)
{
    return {nMoves < nLeastMoves, nSeconds < nFastestTime};
}

void CGame::SetCounters(int nMoves, int nSeconds)
{
    m_nMoves = nMoves;
    m_nSeconds = nSeconds;
    emit MovesChanged(m_nMoves);
    emit SecondsChanged(m_nSeconds);
}
