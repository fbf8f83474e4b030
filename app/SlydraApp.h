#pragma once

#include "app/Translations.h"

#include <QApplication>

class CSlydraDlg;
class CTerminationSignals;

// The application: names the settings' owner, speaks the desktop's language
// and runs the main window until it closes.
class CSlydraApp : public QApplication
{
    Q_OBJECT
public:
    CSlydraApp(int& argc, char** argv);

    // Runs the main window; returns when the player has closed it.
    int InitInstance();

    // Shows dlg and runs the event loop until it closes, ending it in order on
    // SIGTERM, SIGINT or SIGHUP (caught by pTermination, or by handlers of its
    // own for the loop alone) or when the display goes away.
    static int RunMainWindow(CSlydraDlg& dlg, CTerminationSignals* pTermination = nullptr);

private:
    CTranslations m_translations;
};
