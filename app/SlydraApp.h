#pragma once

#include <QApplication>

class CSlydraDlg;

// The application: names the settings' owner and runs the main window until it closes.
class CSlydraApp : public QApplication
{
    Q_OBJECT
public:
    CSlydraApp(int& argc, char** argv);

    // Runs the main window; returns when the player has closed it.
    int InitInstance();

private:
    static void EndSession(CSlydraDlg& dlg);
};
