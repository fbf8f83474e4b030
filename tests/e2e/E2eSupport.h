#pragma once

// What the end-to-end programs share: a private Xvfb, the installed game started
// in it with private folders, and looking at and clicking its windows.
#include <X11/Xlib.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace E2e {

// Reports the failure, keeps the work folder for a look, ends the program.
[[noreturn]] void Fail(const std::string& what);
void Step(const std::string& what);
// Polls done() every 50 ms; false when it is still false after the given time.
bool WaitFor(double seconds, const std::function<bool()>& done);
bool FileExists(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A run of the installed game in a private Xvfb. Begin reads the options
// --prefix, --build-dir, --built-binary, --xvfb and --cmake, and those of
// extraKeys, into args (failing on any other); starts a watchdog; makes a fresh
// work folder under $TMPDIR with home/, config/Brevik/, data/, cache/ and
// runtime/, removed at exit unless a step failed; finds the game (the
// prefix's bin/slydra when it is as new as the built binary, else a fresh
// `cmake --install` of the build tree into the work folder); starts Xvfb on a
// free display and connects to it.
struct SRun {
    std::map<std::string, std::string> args;
    std::string workDir;
    std::string binary;
    std::string display;
    Display* dpy = nullptr;
};
SRun Begin(int argc, char** argv, const char* pszName, const std::vector<std::string>& extraKeys);

// Starts the game, one at a time, with HOME, XDG_* and the display set to the
// work folder's own, in its own process group; returns its main window once
// that is viewable.
Window StartGame(const SRun& run);
// Asks the main window to close; fails unless the game then exits with status 0.
void CloseGame(Display* dpy, Window win);

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

struct SRectangle {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The whole window.
bool Grab(Display* dpy, Window win, SShot& shot);
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
void ChooseGameNew(Display* dpy, Window win);

// ---- the board -------------------------------------------------------------

constexpr int kMargin = 4;
constexpr int TileSize(int nGrid) { return (240 - 2 * kMargin) / nGrid; }
// Whether the cell shows one colour alone, as the blank does. Cells are seen
// inside a 1-pixel inset: the frame's inner ring may cover the outer edge of
// the last row and column.
bool PlainCell(const SShot& shot, int nGrid, int nRow, int nCol);

} // namespace E2e
