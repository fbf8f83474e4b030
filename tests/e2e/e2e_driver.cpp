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
#include <numeric>
#include <string>
#include <vector>

using namespace E2e;

namespace {

// The default 4x4 game on the 240-pixel client area, above the menu bar.
constexpr int kGrid = 4;
constexpr int kTile = TileSize(kGrid);
constexpr int kWindowWidth = 240;
constexpr int kWindowHeight = 268 + 26;

struct Cell {
    int row;
    int col;
};

// Cells compared inside the 1-pixel inset PlainCell keeps to.
bool SameCell(const SShot& a, Cell ca, const SShot& b, Cell cb)
{
    for (int y = 1; y < kTile - 1; ++y)
        for (int x = 1; x < kTile - 1; ++x)
            if (a.At(kMargin + kTile * ca.col + x, kMargin + kTile * ca.row + y)
                != b.At(kMargin + kTile * cb.col + x, kMargin + kTile * cb.row + y))
                return false;
    return true;
}

void SavePpm(const SShot& shot, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << shot.width << ' ' << shot.height << "\n255\n";
    for (unsigned long p : shot.pixels) {
        const char rgb[3] = {static_cast<char>((p >> 16) & 0xff), static_cast<char>((p >> 8) & 0xff),
                             static_cast<char>(p & 0xff)};
        out.write(rgb, 3);
    }
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

bool IsPermutation(const std::vector<int>& board)
{
    std::vector<int> sorted = board;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != static_cast<int>(i))
            return false;
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

} // namespace

int main(int argc, char** argv)
{
    const SRun run = Begin(argc, argv, "slydra-e2e", {"--desktop-id", "--stats-bytes"});
    Display* dpy = run.dpy;
    // No animation: a tap shows its result in one frame.
    WriteFile(run.workDir + "/config/Brevik/Slydra.conf", "[Settings]\nDims=4\nUseAnim=0\n");
    const Window win = StartGame(run);
    const SRectangle rect = WindowRect(dpy, win);
    Step("window at " + std::to_string(rect.x) + "," + std::to_string(rect.y) + " size " + std::to_string(rect.width)
         + "x" + std::to_string(rect.height));
    if (rect.width != kWindowWidth || rect.height != kWindowHeight)
        Fail("the window is not 240x294");
    if (run.args.count("--desktop-id"))
        CheckDesktopIdentity(dpy, win, run.binary, run.args.at("--desktop-id"));

    // Home order: the bottom-right cell blank, its left neighbour a tile.
    const Cell left{kGrid - 1, kGrid - 2};
    const Cell corner{kGrid - 1, kGrid - 1};
    SShot home;
    const bool painted = WaitFor(20, [&] {
        return Grab(dpy, win, home) && PlainCell(home, kGrid, corner.row, corner.col)
            && !PlainCell(home, kGrid, left.row, left.col);
    });
    SavePpm(home, run.workDir + "/1-home.ppm");
    if (!painted)
        Fail("the board in home order was never painted");

    Step("tapping the tile left of the blank");
    Click(dpy, rect.x + kMargin + kTile * left.col + kTile / 2, rect.y + kMargin + kTile * left.row + kTile / 2);
    SShot moved;
    const bool bMoved = WaitFor(10, [&] {
        return Grab(dpy, win, moved) && SameCell(moved, corner, home, left) && SameCell(moved, left, home, corner);
    });
    SavePpm(moved, run.workDir + "/2-moved.ppm");
    if (!bMoved)
        Fail("the tapped tile did not move into the blank cell");

    ChooseGameNew(dpy, win);
    SShot fresh;
    std::vector<int> board;
    const std::vector<int> movedBoard = ReadBoard(home, moved);
    std::vector<int> homeBoard(kGrid * kGrid);
    std::iota(homeBoard.begin(), homeBoard.end(), 0);
    const bool bScrambled = WaitFor(10, [&] {
        if (!Grab(dpy, win, fresh))
            return false;
        board = ReadBoard(home, fresh);
        return IsPermutation(board) && board != homeBoard && board != movedBoard;
    });
    SavePpm(fresh, run.workDir + "/3-new.ppm");
    if (!bScrambled)
        Fail("New did not show a scrambled board");
    std::string order;
    for (int tile : board)
        order += tile == kGrid * kGrid - 1 ? '.' : static_cast<char>('A' + tile);
    Step("new board " + order);

    Step("closing the window");
    CloseGame(dpy, win);
    XCloseDisplay(dpy);

    if (run.args.count("--stats-bytes")) {
        const std::string stats = run.workDir + "/data/Brevik/Slydra/Stats.bin";
        struct stat st {};
        if (stat(stats.c_str(), &st) != 0)
            Fail("no stats file at " + stats);
        if (st.st_size != std::stol(run.args.at("--stats-bytes")))
            Fail("the stats file holds " + std::to_string(st.st_size) + " bytes, not " + run.args.at("--stats-bytes"));
        Step("stats file written with " + std::to_string(st.st_size) + " bytes");
    }
    Step("PASS");
    return 0;
}
