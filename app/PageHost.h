#pragma once

#include "ui/TitledDlg.h"

#include <QMessageBox>
#include <QPointer>

#include <functional>

// What opens over a window: one page at a time over a given rectangle, and
// messages, each opened without a loop of its own and passing on how it
// closed. Nothing opens over a hidden window; Close shuts everything open,
// the innermost first and the page as by OK.
class CPageHost
{
public:
    using Answer = std::function<void(QMessageBox::StandardButton)>;

    explicit CPageHost(QWidget& window);

    // Takes the page over; onFinished runs with its result when it closes.
    void Open(CTitledDlg* pPage, const std::function<void(int)>& onFinished);
    void Ask(const QString& strText, const QString& strCaption, QMessageBox::StandardButtons buttons,
             QMessageBox::Icon icon, const Answer& onAnswer);
    // Where a page stands in the window.
    void Place(const QRect& area);
    void Close();

    CTitledDlg* Page() const { return m_pPage; }

private:
    QWidget& m_window;
    QPointer<CTitledDlg> m_pPage;
    QRect m_area;
};
