#pragma once

#include "app/Game.h"

#include <QMenuBar>

#include <functional>

class QKeyEvent;
class QKeySequence;

// The window's menu bar, Game and Tools, with their mnemonics and shortcuts,
// and the keys that work wherever the focus is in the window; all of them wait
// while the bar is disabled. It reports the commands; the window carries them
// out.
class CGameMenus : public QMenuBar
{
    Q_OBJECT
public:
    static constexpr int kHeight = 26;

    explicit CGameMenus(QWidget& window);

    // The application's font grown by dScale, as the labels grow with the board.
    void SetScale(double dScale);

protected:
    // Takes the plain arrows from the keys that reach the window.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

signals:
    void NewGame();
    void About();
    void BestScores();
    void Options();
    void Quit();
    void ArrowKey(EDirection direction);

private:
    bool TakeKey(QKeyEvent& event);
    void AddWindowKey(const QKeySequence& key, const std::function<void()>& fn);
};
