#pragma once

// What the end-to-end programs share: a private Xvfb, the installed game started
// in it with private folders, and looking at and clicking its windows.
#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <vector>

namespace E2e {

// Reports the failure, keeps the work folder for a look, ends the program.
[[noreturn]] void Fail(const std::string& what);
void Step(const std::string& what);
// Polls done() every 50 ms; false when it is still false after the given time.
bool WaitFor(double seconds, const std::function<bool()>& done);
bool FileExists(const std::string& path);
// Runs argv with the current environment; returns its exit status or -1.
int Run(const std::vector<std::string>& args);

// Ends the run after the given seconds, whatever it waits for.
void StartWatchdog(unsigned int seconds);
// A fresh folder under $TMPDIR with home/, config/Brevik/, data/, cache/ and
// runtime/, removed at exit unless a step failed.
const std::string& PrepareWorkDir(const char* pszName);
void WriteFile(const std::string& path, const std::string& bytes);

// Starts Xvfb on a free display number and returns it as ":N".
std::string StartXvfb(const std::string& xvfb);
// Connects to the display and checks it has XTEST.
Display* Connect(const std::string& display);

// Starts the game, one at a time, with HOME, XDG_* and the display set to the
// work folder's own; it runs in its own process group.
void StartGame(const std::string& binary, const std::string& display);
// True once the game has ended, by itself or otherwise.
bool GameEnded();
// Waits for the game to end by itself; fails unless it exits with status 0.
void ExpectCleanExit(double seconds);

// The installed game: the prefix's bin/slydra when it is as new as the built
// binary, else a fresh `cmake --install` of the build tree into the work folder.
std::string InstalledBinary(const std::string& prefix, const std::string& builtBinary, const std::string& buildDir,
                            const std::string& cmake);

// Where the game under test comes from, and what runs it: the options
// --prefix, --build-dir, --built-binary, --xvfb and --cmake.
struct SGameSource {
    std::string prefix;
    std::string buildDir;
    std::string builtBinary;
    std::string xvfb = "/usr/bin/Xvfb";
    std::string cmake = "cmake";

    // True when key is one of those options; its value is then kept.
    bool Take(const std::string& key, const std::string& value);
    std::string Binary() const { return InstalledBinary(prefix, builtBinary, buildDir, cmake); }
};

// ---- windows ---------------------------------------------------------------

struct SShot {
    int width = 0;
    int height = 0;
    std::vector<unsigned long> pixels;  // 0xRRGGBB, row-major

    unsigned long At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const SShot& other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};

bool Grab(Display* dpy, Window win, int width, int height, SShot& shot);
void SavePpm(const SShot& shot, const std::string& path);

struct SRectangle {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

std::string WindowName(Display* dpy, Window win);
std::vector<Window> ViewableTopLevels(Display* dpy);
// Where the window is on the root window, and its size.
SRectangle WindowRect(Display* dpy, Window win);
// The viewable top-level window of that name; fails after the given time.
Window WaitForWindow(Display* dpy, const std::string& name, double seconds);
void Click(Display* dpy, int rootX, int rootY);
void SendDeleteWindow(Display* dpy, Window win);
// Opens the main window's menu whose title starts at x in the bar, then picks
// entry nEntry of nEntries.
void ChooseMenu(Display* dpy, Window win, int menuX, int nEntry, int nEntries);

} // namespace E2e
