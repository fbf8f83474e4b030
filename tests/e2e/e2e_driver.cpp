// Plays the installed game in a real X window: starts a private Xvfb and the
// game, taps a tile, starts a new game from the menu, closes the window.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Board geometry of the default 4x4 game on the 240-pixel client area.
constexpr int kGrid = 4;
constexpr int kTile = 58;
constexpr int kMargin = 4;
constexpr int kWindowWidth = 240;
constexpr int kWindowHeight = 268 + 26;
constexpr int kMenuBarTop = 268;

volatile pid_t g_xvfb = 0;
volatile pid_t g_game = 0;
std::string g_workDir;
bool g_keepWorkDir = false;

void KillChildren()
{
    if (g_game > 0)
        kill(-g_game, SIGKILL);
    if (g_xvfb > 0)
        kill(g_xvfb, SIGTERM);
}

void OnWatchdog(int)
{
    static const char msg[] = "e2e: FAIL: overall time limit reached\n";
    (void)!write(2, msg, sizeof msg - 1);
    KillChildren();
    _exit(1);
}

void Cleanup()
{
    KillChildren();
    if (g_xvfb > 0) {
        waitpid(g_xvfb, nullptr, 0);
        g_xvfb = 0;
    }
    if (!g_workDir.empty()) {
        if (g_keepWorkDir)
            std::fprintf(stderr, "e2e: screenshots and files kept in %s\n", g_workDir.c_str());
        else
            std::system(("rm -rf '" + g_workDir + "'").c_str());
    }
}

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "e2e: FAIL: %s\n", what.c_str());
    g_keepWorkDir = true;
    std::exit(1);
}

void Step(const std::string& what)
{
    std::printf("e2e: %s\n", what.c_str());
    std::fflush(stdout);
}

bool WaitFor(double seconds, const std::function<bool()>& done)
{
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (done())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Runs argv with the current environment; returns its exit status or -1.
int Run(const std::vector<std::string>& args)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) < 0 || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// ---- processes -------------------------------------------------------------

// Starts Xvfb on a free display number and returns it as ":N".
std::string StartXvfb(const std::string& xvfb)
{
    int fds[2];
    if (pipe(fds) != 0)
        Fail("pipe");
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        execl(xvfb.c_str(), xvfb.c_str(), "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-dpi", "96",
              "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0)
        Fail("fork for Xvfb");
    g_xvfb = pid;

    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (number.empty() || number.back() != '\n') {
        pollfd pfd{fds[0], POLLIN, 0};
        if (Clock::now() >= deadline || poll(&pfd, 1, 200) < 0)
            Fail("Xvfb did not report its display within 20 s");
        if (!(pfd.revents & (POLLIN | POLLHUP)))
            continue;
        char c = 0;
        if (read(fds[0], &c, 1) != 1)
            Fail("Xvfb exited before reporting its display");
        number += c;
    }
    close(fds[0]);
    number.pop_back();
    return ":" + number;
}

// Starts the game with a private home, settings and data folders.
pid_t StartGame(const std::string& binary, const std::string& display, const std::string& dir)
{
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setpgid(0, 0);  // its own group, so that anything it starts goes down with it
        setenv("HOME", (dir + "/home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (dir + "/cache").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (dir + "/runtime").c_str(), 1);
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // No session bus: nothing to talk to, and no bus daemon gets autolaunched.
        setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + dir + "/no-bus").c_str(), 1);
        for (const char* name : {"WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                 "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
            unsetenv(name);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0)
        Fail("fork for the game");
    setpgid(pid, pid);
    g_game = pid;
    return pid;
}

// ---- X ---------------------------------------------------------------------

int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

struct Shot {
    int width = 0;
    int height = 0;
    std::vector<unsigned long> pixels;

    unsigned long At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

bool Grab(Display* dpy, Window win, Shot& shot)
{
    XImage* image = XGetImage(dpy, win, 0, 0, kWindowWidth, kWindowHeight, AllPlanes, ZPixmap);
    if (!image)
        return false;
    shot.width = kWindowWidth;
    shot.height = kWindowHeight;
    shot.pixels.resize(static_cast<size_t>(kWindowWidth * kWindowHeight));
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < kWindowWidth; ++x)
            shot.pixels[static_cast<size_t>(y * kWindowWidth + x)] = XGetPixel(image, x, y);
    XDestroyImage(image);
    return true;
}

void SaveShot(const Shot& shot, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << shot.width << ' ' << shot.height << "\n255\n";
    for (unsigned long p : shot.pixels) {
        const char rgb[3] = {static_cast<char>((p >> 16) & 0xff), static_cast<char>((p >> 8) & 0xff),
                             static_cast<char>(p & 0xff)};
        out.write(rgb, 3);
    }
}

struct Cell {
    int row;
    int col;
};

// Cells are compared inside a 1-pixel inset: the frame's inner ring may cover
// the outer edge of the last row and column.
constexpr int kInset = 1;

bool SameCell(const Shot& a, Cell ca, const Shot& b, Cell cb)
{
    for (int y = kInset; y < kTile - kInset; ++y)
        for (int x = kInset; x < kTile - kInset; ++x)
            if (a.At(kMargin + kTile * ca.col + x, kMargin + kTile * ca.row + y)
                != b.At(kMargin + kTile * cb.col + x, kMargin + kTile * cb.row + y))
                return false;
    return true;
}

bool PlainCell(const Shot& shot, Cell c)
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
std::vector<int> ReadBoard(const Shot& home, const Shot& shot)
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

std::string WindowName(Display* dpy, Window win)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(dpy, win, &name) && name)
        result = name;
    if (name)
        XFree(name);
    return result;
}

std::vector<Window> ViewableTopLevels(Display* dpy)
{
    std::vector<Window> result;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count))
        return result;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attrs;
        if (XGetWindowAttributes(dpy, children[i], &attrs) && attrs.map_state == IsViewable)
            result.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return result;
}

void WindowRect(Display* dpy, Window win, int& x, int& y, int& width, int& height)
{
    XWindowAttributes attrs;
    XGetWindowAttributes(dpy, win, &attrs);
    Window child = 0;
    XTranslateCoordinates(dpy, win, DefaultRootWindow(dpy), 0, 0, &x, &y, &child);
    width = attrs.width;
    height = attrs.height;
}

void Click(Display* dpy, int rootX, int rootY)
{
    XTestFakeMotionEvent(dpy, DefaultScreen(dpy), rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XSync(dpy, False);
}

void SendDeleteWindow(Display* dpy, Window win)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = win;
    event.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, win, False, NoEventMask, &event);
    XSync(dpy, False);
}

// ---- the run ---------------------------------------------------------------

struct Options {
    std::string prefix;
    std::string buildDir;
    std::string builtBinary;
    std::string xvfb = "/usr/bin/Xvfb";
    std::string cmake = "cmake";
    long statsBytes = -1;
};

Options ParseArgs(int argc, char** argv)
{
    Options opts;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--prefix")
            opts.prefix = value;
        else if (key == "--build-dir")
            opts.buildDir = value;
        else if (key == "--built-binary")
            opts.builtBinary = value;
        else if (key == "--xvfb")
            opts.xvfb = value;
        else if (key == "--cmake")
            opts.cmake = value;
        else if (key == "--stats-bytes")
            opts.statsBytes = std::stol(value);
        else
            Fail("unknown argument " + key);
    }
    return opts;
}

time_t ModTime(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

// The installed game: the staged one when it is as new as the build, else a
// fresh install from the build tree into the work folder.
std::string InstalledBinary(const Options& opts)
{
    const std::string staged = opts.prefix + "/bin/slydra";
    if (!opts.prefix.empty() && FileExists(staged)
        && (opts.builtBinary.empty() || ModTime(staged) >= ModTime(opts.builtBinary))) {
        Step("using the installed game " + staged);
        return staged;
    }
    if (opts.buildDir.empty())
        Fail("no installed game at " + staged + " and no build tree to install from");
    const std::string prefix = g_workDir + "/prefix";
    Step("installing the game from " + opts.buildDir + " into " + prefix);
    if (Run({opts.cmake, "--install", opts.buildDir, "--prefix", prefix}) != 0)
        Fail("cmake --install failed");
    if (!FileExists(prefix + "/bin/slydra"))
        Fail("cmake --install put no bin/slydra into " + prefix);
    return prefix + "/bin/slydra";
}

void PrepareWorkDir()
{
    std::string tmpl = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/slydra-e2e.XXXXXX";
    if (!mkdtemp(tmpl.data()))
        Fail("mkdtemp");
    g_workDir = tmpl;
    for (const char* sub : {"/home", "/config", "/config/Brevik", "/data", "/cache", "/runtime"})
        mkdir((g_workDir + sub).c_str(), 0700);
    // No animation: a tap shows its result in one frame.
    std::ofstream(g_workDir + "/config/Brevik/Slydra.conf") << "[Settings]\nDims=4\nUseAnim=0\n";
}

} // namespace

int main(int argc, char** argv)
{
    const Options opts = ParseArgs(argc, argv);
    signal(SIGALRM, OnWatchdog);
    alarm(150);
    std::atexit(Cleanup);
    PrepareWorkDir();

    const std::string binary = InstalledBinary(opts);
    const std::string display = StartXvfb(opts.xvfb);
    Step("Xvfb runs on display " + display);

    XSetErrorHandler(IgnoreXError);
    Display* dpy = nullptr;
    if (!WaitFor(10, [&] { return (dpy = XOpenDisplay(display.c_str())) != nullptr; }))
        Fail("cannot connect to " + display);
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(dpy, &eventBase, &errorBase, &major, &minor))
        Fail("the X server has no XTEST extension");

    const pid_t game = StartGame(binary, display, g_workDir);
    int gameStatus = 0;
    bool gameExited = false;
    auto reaped = [&] {
        if (!gameExited && waitpid(game, &gameStatus, WNOHANG) == game) {
            gameExited = true;
            g_game = 0;
        }
        return gameExited;
    };

    // The main window: viewable, titled "Slydra".
    Window win = 0;
    if (!WaitFor(30, [&] {
            if (reaped())
                Fail("the game exited before showing its window");
            for (Window w : ViewableTopLevels(dpy))
                if (WindowName(dpy, w) == "Slydra")
                    win = w;
            return win != 0;
        }))
        Fail("no window named Slydra appeared within 30 s");
    int winX = 0, winY = 0, winW = 0, winH = 0;
    WindowRect(dpy, win, winX, winY, winW, winH);
    Step("window at " + std::to_string(winX) + "," + std::to_string(winY) + " size " + std::to_string(winW) + "x"
         + std::to_string(winH));
    if (winW != kWindowWidth || winH != kWindowHeight)
        Fail("the window is not 240x294");

    // Home order: the bottom-right cell blank, its left neighbour a tile.
    const Cell left{kGrid - 1, kGrid - 2};
    const Cell corner{kGrid - 1, kGrid - 1};
    Shot home;
    const bool painted = WaitFor(20, [&] { return Grab(dpy, win, home) && PlainCell(home, corner) && !PlainCell(home, left); });
    SaveShot(home, g_workDir + "/1-home.ppm");
    if (!painted)
        Fail("the board in home order was never painted");

    Step("tapping the tile left of the blank");
    Click(dpy, winX + kMargin + kTile * left.col + kTile / 2, winY + kMargin + kTile * left.row + kTile / 2);
    Shot moved;
    if (!WaitFor(10, [&] {
            return Grab(dpy, win, moved) && SameCell(moved, corner, home, left) && SameCell(moved, left, home, corner);
        })) {
        SaveShot(moved, g_workDir + "/2-moved.ppm");
        Fail("the tapped tile did not move into the blank cell");
    }
    SaveShot(moved, g_workDir + "/2-moved.ppm");

    Step("choosing Game, then New");
    const std::vector<Window> before = ViewableTopLevels(dpy);
    Click(dpy, winX + 20, winY + kMenuBarTop + 13);
    Window menu = 0;
    if (!WaitFor(10, [&] {
            for (Window w : ViewableTopLevels(dpy))
                if (w != win && std::find(before.begin(), before.end(), w) == before.end())
                    menu = w;
            return menu != 0;
        }))
        Fail("the Game menu did not open");
    int menuX = 0, menuY = 0, menuW = 0, menuH = 0;
    WindowRect(dpy, menu, menuX, menuY, menuW, menuH);
    // "New" is the menu's only entry.
    Click(dpy, menuX + menuW / 2, menuY + menuH / 2);

    Shot fresh;
    std::vector<int> board;
    const std::vector<int> movedBoard = ReadBoard(home, moved);
    std::vector<int> homeBoard;
    for (int tile = 0; tile < kGrid * kGrid; ++tile)
        homeBoard.push_back(tile);
    if (!WaitFor(10, [&] {
            if (!Grab(dpy, win, fresh))
                return false;
            board = ReadBoard(home, fresh);
            return IsPermutation(board) && board != homeBoard && board != movedBoard;
        })) {
        SaveShot(fresh, g_workDir + "/3-new.ppm");
        Fail("New did not show a scrambled board");
    }
    SaveShot(fresh, g_workDir + "/3-new.ppm");
    std::string order;
    for (int tile : board)
        order += tile == kGrid * kGrid - 1 ? '.' : static_cast<char>('A' + tile);
    Step("new board " + order);

    Step("closing the window");
    SendDeleteWindow(dpy, win);
    if (!WaitFor(15, reaped))
        Fail("the game was still running 15 s after its window was asked to close");
    if (!WIFEXITED(gameStatus))
        Fail("the game ended by signal " + std::to_string(WTERMSIG(gameStatus)));
    if (WEXITSTATUS(gameStatus) != 0)
        Fail("the game exited with status " + std::to_string(WEXITSTATUS(gameStatus)));
    XCloseDisplay(dpy);

    if (opts.statsBytes >= 0) {
        const std::string stats = g_workDir + "/data/Brevik/Slydra/Stats.bin";
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
