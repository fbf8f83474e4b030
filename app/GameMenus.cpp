#include "app/GameMenus.h"

#include <QAction>
#include <QHash>
#include <QKeyEvent>

CGameMenus::CGameMenus(QWidget& window)
    : QMenuBar(&window)
{
    setNativeMenuBar(false);

    QMenu* pGame = addMenu(tr("&Game"));
    // A menu shows one key of an action on its own; the text after the tab shows both.
    const QList<QKeySequence> newKeys = {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)};
    QAction* pNew = pGame->addAction(tr("&New") + QLatin1Char('\t')
                                     + QKeySequence::listToString(newKeys, QKeySequence::NativeText));
    pNew->setShortcuts(newKeys);
    connect(pNew, &QAction::triggered, this, &CGameMenus::NewGame);

    QMenu* pTools = addMenu(tr("&Tools"));
    connect(pTools->addAction(tr("&About")), &QAction::triggered, this, &CGameMenus::About);
    connect(pTools->addAction(tr("&Best Scores...")), &QAction::triggered, this, &CGameMenus::BestScores);
    connect(pTools->addAction(tr("&Options...")), &QAction::triggered, this, &CGameMenus::Options);

    AddWindowKey(Qt::Key_F10, [this] { setActiveAction(actions().constFirst()); });
    // As the close button: no question, and the records are written as at any close.
    AddWindowKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { emit Quit(); });
    window.installEventFilter(this);
}

bool CGameMenus::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == parent() && pEvent->type() == QEvent::KeyPress && TakeKey(static_cast<QKeyEvent&>(*pEvent)))
        return true;
    return QMenuBar::eventFilter(pWatched, pEvent);
}

void CGameMenus::AddWindowKey(const QKeySequence& key, const std::function<void()>& fn)
{
    auto* pAction = new QAction(parentWidget());
    pAction->setShortcut(key);
    connect(pAction, &QAction::triggered, this, fn);
    parentWidget()->addAction(pAction);
}

// Escape would end the window's dialog and with it the game; only the close
// button does.
bool CGameMenus::TakeKey(QKeyEvent& event)
{
    static const QHash<int, EDirection> kArrows = {{Qt::Key_Left, EDirection::Left},
                                                   {Qt::Key_Right, EDirection::Right},
                                                   {Qt::Key_Up, EDirection::Up},
                                                   {Qt::Key_Down, EDirection::Down}};
    const bool bPlain = !(event.modifiers() & ~Qt::KeypadModifier);
    if (event.key() == Qt::Key_Escape) {
        event.accept();
        return true;
    }
    if (bPlain && kArrows.contains(event.key())) {
        event.accept();
        emit ArrowKey(kArrows.value(event.key()));
        return true;
    }
    return false;
}
