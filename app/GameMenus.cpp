#include "app/GameMenus.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>

CGameMenus::CGameMenus(QWidget& window)
    : QMenuBar(&window)
{
    setNativeMenuBar(false);

    QMenu* pGame = addMenu(tr("&Game"));
    // A screen reader names the entry "New" and reads Ctrl+N as its key; the menu shows that key.
    QAction* pNew = pGame->addAction(tr("&New"));
    pNew->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)});
    connect(pNew, &QAction::triggered, this, &CGameMenus::NewGame);

    pGame->installEventFilter(this);
    QMenu* pTools = addMenu(tr("&Tools"));
    pTools->installEventFilter(this);
    connect(pTools->addAction(tr("&About")), &QAction::triggered, this, &CGameMenus::About);
    connect(pTools->addAction(tr("&Best Scores...")), &QAction::triggered, this, &CGameMenus::BestScores);
    connect(pTools->addAction(tr("&Options...")), &QAction::triggered, this, &CGameMenus::Options);

    AddWindowKey(Qt::Key_F10, [this] { setActiveAction(actions().constFirst()); });
    // As the close button: no question, and the records are written as at any close.
    AddWindowKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { emit Quit(); });
    window.installEventFilter(this);
}

void CGameMenus::SetScale(double dScale)
{
    QFont font = QApplication::font(this);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * dScale);
    else
        font.setPixelSize(qRound(font.pixelSize() * dScale));
    setFont(font);
}

bool CGameMenus::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    auto* pMenu = qobject_cast<QMenu*>(pWatched);
    if (pMenu && pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
        // A menu's own Escape leaves the bar holding the keys, title lit, until a second Escape; one closes both.
        pMenu->hide();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(this, &escape);
        return true;
    }
    if (pWatched == parent() && pEvent->type() == QEvent::KeyPress && TakeKey(static_cast<QKeyEvent&>(*pEvent)))
        return true;
    return QMenuBar::eventFilter(pWatched, pEvent);
}

// The window's own keys wait, as the menus do, while the bar is disabled.
void CGameMenus::AddWindowKey(const QKeySequence& key, const std::function<void()>& fn)
{
    auto* pAction = new QAction(parentWidget());
    pAction->setShortcut(key);
    connect(pAction, &QAction::triggered, this, [this, fn] {
        if (isEnabled())
            fn();
    });
    parentWidget()->addAction(pAction);
}

bool CGameMenus::TakeKey(QKeyEvent& event)
{
    static const QHash<int, EDirection> kArrows = {{Qt::Key_Left, EDirection::Left},
                                                   {Qt::Key_Right, EDirection::Right},
                                                   {Qt::Key_Up, EDirection::Up},
                                                   {Qt::Key_Down, EDirection::Down}};
    const bool bPlain = !(event.modifiers() & ~Qt::KeypadModifier);
    if (!isEnabled() || !bPlain || !kArrows.contains(event.key()))
        return false;
    event.accept();
    emit ArrowKey(kArrows.value(event.key()));
    return true;
}
