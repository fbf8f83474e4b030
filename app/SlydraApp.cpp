#include "app/SlydraApp.h"

#include "app/SlydraDlg.h"

CSlydraApp::CSlydraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Brevik"));
    setApplicationName(QStringLiteral("Slydra"));
    setApplicationVersion(QStringLiteral("1.1"));
    setDesktopFileName(QStringLiteral("slydra"));
}

int CSlydraApp::InitInstance()
{
    CSlydraDlg dlg;
    dlg.exec();
    return 0;
}
