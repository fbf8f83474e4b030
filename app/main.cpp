#include "app/CommandLine.h"
#include "app/SlydraApp.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <stdlib.h>

namespace {

bool HasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
#else
    return true; // Windows and macOS always have their one display
#endif
}

// The XDG base directory rules ignore a relative path; the default folder is
// then used, rather than one under wherever the game was started from.
void IgnoreRelativeXdgHomes()
{
    for (const char* pszName : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        const char* pszValue = std::getenv(pszName);
        if (pszValue && pszValue[0] != '/')
            ::unsetenv(pszName);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (const int nStatus = CommandLine::AnswerInfoOptions(argc, argv); nStatus >= 0)
        return nStatus;
    if (!HasDisplay()) {
        std::fprintf(stderr, "slydra: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return 1;
    }
    IgnoreRelativeXdgHomes();
    CSlydraApp app(argc, argv);
    if (const int nStatus = CommandLine::RejectLeftovers(argc, argv); nStatus >= 0)
        return nStatus;
    return app.InitInstance();
}
