#include "app/SlydraApp.h"

#include "app/SlydraDlg.h"
#include "app/TerminationSignals.h"
#include "app/Version.h"
#include "render/PictureDecode.h"

#include <optional>

CSlydraApp::CSlydraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Brevik"));
    setApplicationName(QStringLiteral("Slydra"));
    setApplicationVersion(QLatin1String(kSlydraVersion));
    // The desktop entry's id: Wayland compositors match the window to its menu
    // entry by it (on X11 the desktop entry's StartupWMClass matches "Slydra").
    setDesktopFileName(QStringLiteral("io.github.brevik.Slydra"));
    PictureDecode::SetDecodeLimit();
}

int CSlydraApp::InitInstance()
{
    // Made before the window and gone after it: a second signal while the
    // window closes and writes the records changes nothing.
    CTerminationSignals termination;
    CSlydraDlg dlg;
    return RunMainWindow(dlg, &termination);
}

int CSlydraApp::RunMainWindow(CSlydraDlg& dlg, CTerminationSignals* pTermination)
{
    std::optional<CTerminationSignals> own;
    if (!pTermination)
        pTermination = &own.emplace();
    connect(pTermination, &CTerminationSignals::Received, &dlg, &CSlydraDlg::EndSession);
    dlg.exec();
    return 0;
}
