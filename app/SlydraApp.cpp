#include "app/SlydraApp.h"

#include "app/SlydraDlg.h"
#include "app/TerminationSignals.h"
#include "ui/SlydraStyle.h"

#include <QDialog>

CSlydraApp::CSlydraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Brevik"));
    setApplicationName(QStringLiteral("Slydra"));
    setApplicationVersion(QStringLiteral("1.1"));
    // The desktop entry's id: Wayland compositors match the window to its menu
    // entry by it (on X11 the desktop entry's StartupWMClass matches "Slydra").
    setDesktopFileName(QStringLiteral("io.github.brevik.Slydra"));
    CSlydraStyle::Install();
}

int CSlydraApp::InitInstance()
{
    CSlydraDlg dlg;
    CTerminationSignals termination;
    connect(&termination, &CTerminationSignals::Received, &dlg, [&dlg]() { EndSession(dlg); });
    dlg.exec();
    return 0;
}

// Keeps the records first, in case unwinding the open dialogs goes wrong, then
// closes every dialog from the innermost out so that the main window ends in
// order and its destructor writes the final records.
void CSlydraApp::EndSession(CSlydraDlg& dlg)
{
    dlg.SaveScores();
    while (QWidget* pModal = activeModalWidget()) {
        if (pModal == &dlg)
            break;
        if (auto* pDialog = qobject_cast<QDialog*>(pModal))
            pDialog->reject();
        else
            pModal->close();
        if (activeModalWidget() == pModal)
            break;
    }
    dlg.reject();
}
