#include "app/WindowSize.h"

#include "options/Settings.h"

#include <QScreen>
#include <QWidget>

void RestoreWindowSize(QWidget& window)
{
    const QSize kept = CSettings::GetWindowSize(window.size());
    const QSize room = window.screen() ? window.screen()->availableSize() : kept;
    window.resize(kept.boundedTo(room));
    if (CSettings::GetWindowMaximized())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void KeepWindowSize(const QWidget& window)
{
    const bool bMaximized = window.isMaximized();
    CSettings::PutWindow(bMaximized ? window.normalGeometry().size() : window.size(), bMaximized);
}
