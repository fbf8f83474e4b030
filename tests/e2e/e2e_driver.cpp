// Plays the installed game in a real X window: starts a private Xvfb and the
// game, checks that the window is the one its desktop entry describes, taps a
// tile, starts a new game from the menu, closes the window.
#include "E2eSupport.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace E2e;

namespace {

// Board geometry of the default 4x4 game on the 240-pixel client area.
constexpr int kGrid = 4;
constexpr int kTile = 58;
constexpr int kMargin = 4;
constexpr int kWindowWidth = 240;
constexpr int kWindowHeight = 268 + 26;
// Where the Game menu's title lies in the menu bar.
constexpr int kGameMenuX = 20;

struct Cell {
    int row;
    int col;
};

// Cells are compared inside a 1-pixel inset: the frame's inner ring may cover
// the outer edge of the last row and column.
constexpr int kInset = 1;

bool SameCell(const SShot& a, Cell ca, const SShot& b, Cell cb)
{
    for (int y = kInset; y < kTile - kInset; ++y)
        for (int x = kInset; x < kTile - kInset; ++x)
            if (a.At(kMargin + kTile * ca.col + x, kMargin + kTile * ca.row + y)
                != b.At(kMargin + kTile * cb.col + x, kMargin + kTile * cb.row + y))
                return false;
    return true;
}

bool PlainCell(const SShot& shot, Cell c)
{
    const int left = kMargin + kTile * c.col;
    const int top = kMargin + kTile * c.row;
    for (int y = kInset; y < kTile - kInset; ++y)
        for (int x = kInset; x < kTile - kInset; ++x)
            if (shot.At(left + x, top + y) != shot.At(left + kInset, top + kInset))
                return false;
    return true;
}

// Which home cell each cell of the board shows, or -1 for a face seen nowhere at home.
std::vector<int> ReadBoard(const SShot& home, const SShot& shot)
{
    std::vector<int> board;
    for (int cell = 0; cell < kGrid * kGrid; ++cell) {
        int found = -1;
        for (int tile = 0; tile < kGrid * kGrid && found < 0; ++tile)
            if (SameCell(shot, {cell / kGrid, cell % kGrid}, home, {tile / kGrid, tile % kGrid}))
                found = tile;
        board.push_back(found);
    }
    return board;
}

bool IsPermutation(std::vector<int> board)
{
    std::vector<bool> seen(board.size());
    for (int tile : board) {
        if (tile < 0 || seen[static_cast<size_t>(tile)])
            return false;
        seen[static_cast<size_t>(tile)] = true;
    }
    return true;
}

// The value of key in the [Desktop Entry] group of a desktop file, or empty.
std::string DesktopEntryValue(const std::string& path, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    bool bInGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[')
            bInGroup = line == "[Desktop Entry]";
        else if (bInGroup && line.compare(0, key.size() + 1, key + "=") == 0)
            return line.substr(key.size() + 1);
    }
    return std::string();
}

// The sizes of the square images in the window's _NET_WM_ICON.
std::vector<int> WindowIconSizes(Display* dpy, Window win)
{
    std::vector<int> sizes;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, win, XInternAtom(dpy, "_NET_WM_ICON", False), 0, LONG_MAX / 4, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data)
            != Success
        || !data)
        return sizes;
    // Xlib hands 32-bit items over as longs: width, height, then the pixels.
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    for (unsigned long i = 0; format == 32 && i + 2 <= count;) {
        const unsigned long width = items[i];
        const unsigned long height = items[i + 1];
        if (width == 0 || width != height)
            break;
        sizes.push_back(static_cast<int>(width));
        i += 2 + width * height;
    }
    XFree(data);
    return sizes;
}

// Docks and task bars find the menu entry of a window by its class, and show
// the icon it carries: both must agree with what was installed beside the game.
void CheckDesktopIdentity(Display* dpy, Window win, const std::string& binary, const std::string& desktopId)
{
    const std::string prefix = binary.substr(0, binary.rfind("/bin/"));
    const std::string entry = prefix + "/share/applications/" + desktopId + ".desktop";
    if (!FileExists(entry))
        Fail("no desktop entry at " + entry);

    XClassHint hint{};
    if (!XGetClassHint(dpy, win, &hint))
        Fail("the window has no WM_CLASS");
    const std::string instance = hint.res_name ? hint.res_name : "";
    const std::string wmClass = hint.res_class ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    Step("WM_CLASS \"" + instance + "\", \"" + wmClass + "\"");
    if (instance != "slydra")
        Fail("the window's instance name is \"" + instance + "\", not the command's name slydra");
    const std::string startupClass = DesktopEntryValue(entry, "StartupWMClass");
    if (wmClass != startupClass)
        Fail("the window's class \"" + wmClass + "\" is not the desktop entry's StartupWMClass \"" + startupClass
             + "\"");
    if (DesktopEntryValue(entry, "Icon") != desktopId)
        Fail("the desktop entry's Icon is not " + desktopId);

    std::vector<int> sizes;
    WaitFor(5, [&] { return !(sizes = WindowIconSizes(dpy, win)).empty(); });
    std::string offered;
    for (int size : sizes)
        offered += " " + std::to_string(size);
    Step("window icon sizes" + offered);
    // The window offers the sizes a window manager shows; docks and launchers
    // take the installed theme icon, up to 256 pixels.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        if (size <= 128 && std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            Fail("the window icon has no " + name + " image");
        const std::string file = prefix + "/share/icons/hicolor/" + name + "/apps/" + desktopId + ".png";
        if (!FileExists(file))
            Fail("no installed icon at " + file);
    }
}

// ---- the run ---------------------------------------------------------------

struct Options {
    SGameSource game;
    std::string desktopId;
    long statsBytes = -1;
};

Options ParseArgs(int argc, char** argv)
{
    Options opts;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (opts.game.Take(key, value))
            continue;
        if (key == "--desktop-id")
            opts.desktopId = value;
        else if (key == "--stats-bytes")
            opts.statsBytes = std::stol(value);
        else
            Fail("unknown argument " + key);
    }
    return opts;
}

} // namespace

int main(int argc, char** argv)
{
    const Options opts = ParseArgs(argc, argv);
    StartWatchdog(150);
    const std::string workDir = PrepareWorkDir("slydra-e2e");
    // No animation: a tap shows its result in one frame.
    WriteFile(workDir + "/config/Brevik/Slydra.conf", "[Settings]\nDims=4\nUseAnim=0\n");

    const std::string binary = opts.game.Binary();
    const std::string display = StartXvfb(opts.game.xvfb);
    Step("Xvfb runs on display " + display);
    Display* dpy = Connect(display);

    StartGame(binary, display);

    // The main window: viewable, titled "Slydra".
    const Window win = WaitForWindow(dpy, "Slydra", 30);
    const SRectangle rect = WindowRect(dpy, win);
    Step("window at " + std::to_string(rect.x) + "," + std::to_string(rect.y) + " size " + std::to_string(rect.width)
         + "x" + std::to_string(rect.height));
    if (rect.width != kWindowWidth || rect.height != kWindowHeight)
        Fail("the window is not 240x294");
    if (!opts.desktopId.empty())
        CheckDesktopIdentity(dpy, win, binary, opts.desktopId);

    // Home order: the bottom-right cell blank, its left neighbour a tile.
    const Cell left{kGrid - 1, kGrid - 2};
    const Cell corner{kGrid - 1, kGrid - 1};
    SShot home;
    const bool painted = WaitFor(20, [&] {
        return Grab(dpy, win, kWindowWidth, kWindowHeight, home) && PlainCell(home, corner) && !PlainCell(home, left);
    });
    SavePpm(home, workDir + "/1-home.ppm");
    if (!painted)
        Fail("the board in home order was never painted");

    Step("tapping the tile left of the blank");
    Click(dpy, rect.x + kMargin + kTile * left.col + kTile / 2, rect.y + kMargin + kTile * left.row + kTile / 2);
    SShot moved;
    if (!WaitFor(10, [&] {
            return Grab(dpy, win, kWindowWidth, kWindowHeight, moved) && SameCell(moved, corner, home, left)
                && SameCell(moved, left, home, corner);
        })) {
        SavePpm(moved, workDir + "/2-moved.ppm");
        Fail("the tapped tile did not move into the blank cell");
    }
    SavePpm(moved, workDir + "/2-moved.ppm");

    Step("choosing Game, then New");
    // "New" is the Game menu's only entry.
    ChooseMenu(dpy, win, kGameMenuX, 0, 1);

    SShot fresh;
    std::vector<int> board;
    const std::vector<int> movedBoard = ReadBoard(home, moved);
    std::vector<int> homeBoard;
    for (int tile = 0; tile < kGrid * kGrid; ++tile)
        homeBoard.push_back(tile);
    if (!WaitFor(10, [&] {
            if (!Grab(dpy, win, kWindowWidth, kWindowHeight, fresh))
                return false;
            board = ReadBoard(home, fresh);
            return IsPermutation(board) && board != homeBoard && board != movedBoard;
        })) {
        SavePpm(fresh, workDir + "/3-new.ppm");
        Fail("New did not show a scrambled board");
    }
    SavePpm(fresh, workDir + "/3-new.ppm");
    std::string order;
    for (int tile : board)
        order += tile == kGrid * kGrid - 1 ? '.' : static_cast<char>('A' + tile);
    Step("new board " + order);

    Step("closing the window");
    SendDeleteWindow(dpy, win);
    ExpectCleanExit(15);
    XCloseDisplay(dpy);

    if (opts.statsBytes >= 0) {
        const std::string stats = workDir + "/data/Brevik/Slydra/Stats.bin";
        struct stat st {};
        if (stat(stats.c_str(), &st) != 0)
            Fail("no stats file at " + stats);
        if (st.st_size != opts.statsBytes)
            Fail("the stats file holds " + std::to_string(st.st_size) + " bytes, not "
                 + std::to_string(opts.statsBytes));
        Step("stats file written with " + std::to_string(st.st_size) + " bytes");
    }
    Step("PASS");
    return 0;
}
