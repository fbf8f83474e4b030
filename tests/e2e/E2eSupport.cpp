#include "E2eSupport.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

namespace E2e {

namespace {

using Clock = std::chrono::steady_clock;

volatile pid_t g_xvfb = 0;
volatile pid_t g_game = 0;
int g_gameStatus = 0;
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
    if (g_xvfb > 0)
        waitpid(g_xvfb, nullptr, 0);
    if (g_keepWorkDir)
        std::fprintf(stderr, "e2e: screenshots and files kept in %s\n", g_workDir.c_str());
    else if (!g_workDir.empty())
        std::system(("rm -rf '" + g_workDir + "'").c_str());
}

time_t ModTime(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

std::string InstalledBinary(const std::map<std::string, std::string>& args)
{
    auto arg = [&args](const char* key) { return args.count(key) ? args.at(key) : std::string(); };
    const std::string prefix = arg("--prefix");
    const std::string staged = prefix + "/bin/slydra";
    if (!prefix.empty() && FileExists(staged)
        && (arg("--built-binary").empty() || ModTime(staged) >= ModTime(arg("--built-binary")))) {
        Step("using the installed game " + staged);
        return staged;
    }
    if (arg("--build-dir").empty())
        Fail("no installed game at " + staged + " and no build tree to install from");
    const std::string fresh = g_workDir + "/prefix";
    Step("installing the game from " + arg("--build-dir") + " into " + fresh);
    const std::string install = "'" + args.at("--cmake") + "' --install '" + arg("--build-dir") + "' --prefix '" + fresh + "'";
    if (std::system(install.c_str()) != 0)
        Fail("cmake --install failed");
    if (!FileExists(fresh + "/bin/slydra"))
        Fail("cmake --install put no bin/slydra into " + fresh);
    return fresh + "/bin/slydra";
}

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
    // Xvfb writes the number once it is ready; the watchdog ends a wait that hangs.
    char number[32] = {};
    FILE* in = fdopen(fds[0], "r");
    if (!std::fgets(number, sizeof number, in))
        Fail("Xvfb exited before reporting its display");
    std::fclose(in);
    return ":" + std::string(number, std::strcspn(number, "\n"));
}

// True once the game has ended, by itself or otherwise.
bool GameEnded()
{
    const pid_t pid = g_game;
    if (pid > 0 && waitpid(pid, &g_gameStatus, WNOHANG) == pid) {
        g_game = 0;
        return true;
    }
    return pid <= 0;
}

} // namespace

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

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush())
        Fail("cannot write " + path);
}

SRun Begin(int argc, char** argv, const char* pszName, const std::vector<std::string>& extraKeys)
{
    SRun run;
    run.args = {{"--xvfb", "/usr/bin/Xvfb"}, {"--cmake", "cmake"}};
    std::vector<std::string> keys = {"--prefix", "--build-dir", "--built-binary", "--xvfb", "--cmake"};
    keys.insert(keys.end(), extraKeys.begin(), extraKeys.end());
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::find(keys.begin(), keys.end(), argv[i]) == keys.end())
            Fail(std::string("unknown argument ") + argv[i]);
        run.args[argv[i]] = argv[i + 1];
    }

    signal(SIGALRM, OnWatchdog);
    alarm(150);
    std::atexit(Cleanup);

    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + pszName + ".XXXXXX";
    if (!mkdtemp(tmpl.data()))
        Fail("mkdtemp");
    g_workDir = run.workDir = tmpl;
    // No data folder for the game yet: it must make its own, as on a fresh machine.
    for (const char* sub : {"/home", "/config", "/config/Brevik", "/data", "/cache", "/runtime"})
        mkdir((g_workDir + sub).c_str(), 0700);

    run.binary = InstalledBinary(run.args);
    run.display = StartXvfb(run.args["--xvfb"]);
    Step("Xvfb runs on display " + run.display);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    if (!WaitFor(10, [&] { return (run.dpy = XOpenDisplay(run.display.c_str())) != nullptr; }))
        Fail("cannot connect to " + run.display);
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(run.dpy, &eventBase, &errorBase, &major, &minor))
        Fail("the X server has no XTEST extension");
    return run;
}

Window StartGame(const SRun& run)
{
    if (g_game > 0)
        Fail("a game is still running");
    const std::string& dir = run.workDir;
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setpgid(0, 0);  // its own group, so that anything it starts goes down with it
        setenv("HOME", (dir + "/home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (dir + "/cache").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (dir + "/runtime").c_str(), 1);
        setenv("DISPLAY", run.display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // No session bus: nothing to talk to, and no bus daemon gets autolaunched.
        setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + dir + "/no-bus").c_str(), 1);
        for (const char* name : {"WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                 "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
            unsetenv(name);
        execl(run.binary.c_str(), run.binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0)
        Fail("fork for the game");
    setpgid(pid, pid);
    g_game = pid;
    g_gameStatus = 0;
    return WaitForWindow(run.dpy, "Slydra", 30);
}

void CloseGame(Display* dpy, Window win)
{
    SendDeleteWindow(dpy, win);
    if (!WaitFor(15, GameEnded))
        Fail("the game was still running 15 s after its window was asked to close");
    if (!WIFEXITED(g_gameStatus))
        Fail("the game ended by signal " + std::to_string(WTERMSIG(g_gameStatus)));
    if (WEXITSTATUS(g_gameStatus) != 0)
        Fail("the game exited with status " + std::to_string(WEXITSTATUS(g_gameStatus)));
}

// ---- windows ---------------------------------------------------------------

bool Grab(Display* dpy, Window win, SShot& shot)
{
    const SRectangle rect = WindowRect(dpy, win);
    XImage* image = XGetImage(dpy, win, 0, 0, static_cast<unsigned int>(rect.width),
                              static_cast<unsigned int>(rect.height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    shot.width = rect.width;
    shot.height = rect.height;
    shot.pixels.resize(static_cast<size_t>(rect.width * rect.height));
    for (int y = 0; y < rect.height; ++y)
        for (int x = 0; x < rect.width; ++x)
            shot.pixels[static_cast<size_t>(y * rect.width + x)] = XGetPixel(image, x, y) & 0xffffff;
    XDestroyImage(image);
    return true;
}

std::string WindowName(Display* dpy, Window win)
{
    char* name = nullptr;
    const std::string result = XFetchName(dpy, win, &name) && name ? name : "";
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

SRectangle WindowRect(Display* dpy, Window win)
{
    SRectangle rect;
    XWindowAttributes attrs;
    XGetWindowAttributes(dpy, win, &attrs);
    Window child = 0;
    XTranslateCoordinates(dpy, win, DefaultRootWindow(dpy), 0, 0, &rect.x, &rect.y, &child);
    rect.width = attrs.width;
    rect.height = attrs.height;
    return rect;
}

Window WaitForWindow(Display* dpy, const std::string& name, double seconds)
{
    Window win = 0;
    if (!WaitFor(seconds, [&] {
            if (GameEnded())
                Fail("the game exited while a window named " + name + " was awaited");
            for (Window w : ViewableTopLevels(dpy))
                if (WindowName(dpy, w) == name)
                    win = w;
            return win != 0;
        }))
        Fail("no window named " + name + " appeared within " + std::to_string(static_cast<int>(seconds)) + " s");
    return win;
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

void ChooseMenu(Display* dpy, Window win, int menuX, int nEntry, int nEntries)
{
    constexpr int kMenuBarTop = 268;
    constexpr int kMenuBarHeight = 26;
    const SRectangle main = WindowRect(dpy, win);
    const std::vector<Window> before = ViewableTopLevels(dpy);
    Click(dpy, main.x + menuX, main.y + kMenuBarTop + kMenuBarHeight / 2);
    Window menu = 0;
    if (!WaitFor(10, [&] {
            for (Window w : ViewableTopLevels(dpy))
                if (w != win && std::find(before.begin(), before.end(), w) == before.end())
                    menu = w;
            return menu != 0;
        }))
        Fail("the menu did not open");
    // The entries share the menu's height evenly, give or take its frame.
    const SRectangle rect = WindowRect(dpy, menu);
    Click(dpy, rect.x + rect.width / 2, rect.y + rect.height * (2 * nEntry + 1) / (2 * nEntries));
}

void ChooseGameNew(Display* dpy, Window win)
{
    Step("choosing Game, then New");
    ChooseMenu(dpy, win, 20, 0, 1);  // "New" is the only entry of the Game menu, at the bar's start
}

bool PlainCell(const SShot& shot, int nGrid, int nRow, int nCol)
{
    const int nTile = TileSize(nGrid);
    const int left = kMargin + nTile * nCol + 1;
    const int top = kMargin + nTile * nRow + 1;
    for (int y = top; y < top + nTile - 2; ++y)
        for (int x = left; x < left + nTile - 2; ++x)
            if (shot.At(x, y) != shot.At(left, top))
                return false;
    return true;
}

} // namespace E2e
