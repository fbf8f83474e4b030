#include "ui/InWindowModal.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>

void CInWindowModal::Embed(QDialog& dlg)
{
    dlg.setWindowFlags(Qt::Widget);
    dlg.hide();
    dlg.setAutoFillBackground(true);
}

int CInWindowModal::Exec(QDialog& dlg)
{
    CInWindowModal modal(dlg);
    return dlg.exec();
}

int CInWindowModal::Run(QDialog& dlg)
{
    if (!ForAllDialogs())
        return dlg.exec();
    Embed(dlg);
    return Exec(dlg);
}

QDialog* CInWindowModal::Running(const QWidget& window)
{
    QDialog* pRunning = nullptr;
    for (QDialog* pDialog : window.findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!pDialog->isHidden() && !pDialog->isWindow())
            pRunning = pDialog;
    }
    return pRunning;
}

bool CInWindowModal::ForAllDialogs()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

CInWindowModal::CInWindowModal(QDialog& dlg)
    : m_dlg(dlg)
    , m_owner(*dlg.parentWidget())
{
    // What takes no clicks and no focus (the labels) need not wait, nor look as if it did.
    const auto takesInput = [](const QWidget* p) {
        return !p->testAttribute(Qt::WA_TransparentForMouseEvents) || p->focusPolicy() != Qt::NoFocus;
    };
    for (QWidget* pChild : m_owner.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pChild != &m_dlg && !pChild->isWindow() && pChild->isEnabled() && takesInput(pChild)) {
            pChild->setEnabled(false);
            m_waiting << pChild;
        }
    }
    // The window's keys too: its menu commands and its own shortcuts.
    for (QAction* pAction : m_owner.findChildren<QAction*>()) {
        auto* pHolder = qobject_cast<QWidget*>(pAction->parent());
        if (pAction->isEnabled() && !(pHolder && (pHolder == &m_dlg || m_dlg.isAncestorOf(pHolder)))) {
            pAction->setEnabled(false);
            m_waitingKeys << pAction;
        }
    }
    m_owner.installEventFilter(this);
    Place();
    m_dlg.raise();
}

CInWindowModal::~CInWindowModal()
{
    m_owner.removeEventFilter(this);
    for (const QPointer<QWidget>& pChild : m_waiting) {
        if (pChild)
            pChild->setEnabled(true);
    }
    for (const QPointer<QAction>& pAction : m_waitingKeys) {
        if (pAction)
            pAction->setEnabled(true);
    }
}

void CInWindowModal::Place()
{
    QRect area = m_owner.rect();
    if (const auto* pBar = m_owner.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        area.setBottom(pBar->geometry().top() - 1);
    m_dlg.move(area.left() + (area.width() - m_dlg.width()) / 2, area.top() + (area.height() - m_dlg.height()) / 2);
}

// Keys and clicks the dialog leaves reach the window last: an arrow key must
// not slide a tile under the dialog, nor a click land on the board.
bool CInWindowModal::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != &m_owner)
        return QObject::eventFilter(pWatched, pEvent);
    switch (pEvent->type()) {
    case QEvent::Resize:
        Place();
        return false;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}
