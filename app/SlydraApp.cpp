#include "app/SlydraApp.h"

#include "app/SlydraDlg.h"
#include "app/TerminationSignals.h"
#include "app/Version.h"
#include "render/PictureDecode.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace {

CSlydraDlg* g_pRunning = nullptr;

// Qt ends the process with exit() when the display goes away, past every
// destructor on the stack: the window closes here, so a page open over it
// still counts and the records reach the disk.
void EndRunningSession()
{
    if (CSlydraDlg* pWindow = std::exchange(g_pRunning, nullptr))
        pWindow->EndSession();
}

} // namespace

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
    m_translations.Load();
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
    static const int nHooked = std::atexit(&EndRunningSession);
    Q_UNUSED(nHooked)
    g_pRunning = &dlg;
    dlg.show();
    QApplication::exec();
    g_pRunning = nullptr;
    return 0;
}
