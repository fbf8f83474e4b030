#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QDialog;
class QWidget;

// Runs a dialog as part of its owner's window rather than as a window of its
// own: centred over the area above the owner's menu bar and kept there as the
// window resizes, while the rest of the window (its controls, its keys and
// its clicks) waits for the dialog's own event loop to end. Where the display
// server places windows itself, as on Wayland, this is how a dialog stays
// over the board.
class CInWindowModal : public QObject
{
    Q_OBJECT
public:
    // Makes dlg a hidden child of the widget it was made for.
    static void Embed(QDialog& dlg);
    // Runs an embedded dialog modally; returns what exec() returns.
    static int Exec(QDialog& dlg);
    // Runs dlg inside its parent's window where ForAllDialogs() says so, else
    // as a window of its own.
    static int Run(QDialog& dlg);
    // The innermost dialog running inside the window, if any.
    static QDialog* Running(const QWidget& window);
    // Whether About and the questions open inside the window too: where the
    // program cannot place a window of its own over the board.
    static bool ForAllDialogs();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    explicit CInWindowModal(QDialog& dlg);
    ~CInWindowModal() override;
    void Place();

    QDialog& m_dlg;
    QWidget& m_owner;
    QList<QPointer<QWidget>> m_waiting;
    QList<QPointer<QAction>> m_waitingKeys;
};
