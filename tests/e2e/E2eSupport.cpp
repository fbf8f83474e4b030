#include "E2eSupport.h"

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
#include <iterator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

time_t ModTime(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
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

void StartWatchdog(unsigned int seconds)
{
    signal(SIGALRM, OnWatchdog);
    alarm(seconds);
    std::atexit(Cleanup);
}

const std::string& PrepareWorkDir(const char* pszName)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + pszName + ".XXXXXX";
    if (!mkdtemp(tmpl.data()))
        Fail("mkdtemp");
    g_workDir = tmpl;
    // No data folder for the game yet: it must make its own, as on a fresh machine.
    for (const char* sub : {"/home", "/config", "/config/Brevik", "/data", "/cache", "/runtime"})
        mkdir((g_workDir + sub).c_str(), 0700);
    return g_workDir;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush())
        Fail("cannot write " + path);
}

// ---- processes -------------------------------------------------------------

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

Display* Connect(const std::string& display)
{
    XSetErrorHandler(IgnoreXError);
    Display* dpy = nullptr;
    if (!WaitFor(10, [&] { return (dpy = XOpenDisplay(display.c_str())) != nullptr; }))
        Fail("cannot connect to " + display);
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(dpy, &eventBase, &errorBase, &major, &minor))
        Fail("the X server has no XTEST extension");
    return dpy;
}

void StartGame(const std::string& binary, const std::string& display)
{
    if (g_game > 0)
        Fail("a game is still running");
    const std::string& dir = g_workDir;
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
    g_gameStatus = 0;
}

bool GameEnded()
{
    const pid_t pid = g_game;
    if (pid > 0 && waitpid(pid, &g_gameStatus, WNOHANG) == pid) {
        g_game = 0;
        return true;
    }
    return pid <= 0;
}

void ExpectCleanExit(double seconds)
{
    if (!WaitFor(seconds, GameEnded))
        Fail("the game was still running " + std::to_string(static_cast<int>(seconds))
             + " s after its window was asked to close");
    if (!WIFEXITED(g_gameStatus))
        Fail("the game ended by signal " + std::to_string(WTERMSIG(g_gameStatus)));
    if (WEXITSTATUS(g_gameStatus) != 0)
        Fail("the game exited with status " + std::to_string(WEXITSTATUS(g_gameStatus)));
}

std::string InstalledBinary(const std::string& prefix, const std::string& builtBinary, const std::string& buildDir,
                            const std::string& cmake)
{
    const std::string staged = prefix + "/bin/slydra";
    if (!prefix.empty() && FileExists(staged)
        && (builtBinary.empty() || ModTime(staged) >= ModTime(builtBinary))) {
        Step("using the installed game " + staged);
        return staged;
    }
    if (buildDir.empty())
        Fail("no installed game at " + staged + " and no build tree to install from");
    const std::string fresh = g_workDir + "/prefix";
    Step("installing the game from " + buildDir + " into " + fresh);
    if (Run({cmake, "--install", buildDir, "--prefix", fresh}) != 0)
        Fail("cmake --install failed");
    if (!FileExists(fresh + "/bin/slydra"))
        Fail("cmake --install put no bin/slydra into " + fresh);
    return fresh + "/bin/slydra";
}

// ---- windows ---------------------------------------------------------------

bool Grab(Display* dpy, Window win, int width, int height, SShot& shot)
{
    XImage* image = XGetImage(dpy, win, 0, 0, static_cast<unsigned int>(width), static_cast<unsigned int>(height),
                              AllPlanes, ZPixmap);
    if (!image)
        return false;
    shot.width = width;
    shot.height = height;
    shot.pixels.resize(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            shot.pixels[static_cast<size_t>(y * width + x)] = XGetPixel(image, x, y) & 0xffffff;
    XDestroyImage(image);
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

bool SGameSource::Take(const std::string& key, const std::string& value)
{
    std::string* fields[] = {&prefix, &buildDir, &builtBinary, &xvfb, &cmake};
    const char* names[] = {"--prefix", "--build-dir", "--built-binary", "--xvfb", "--cmake"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (key == names[i]) {
            *fields[i] = value;
            return true;
        }
    }
    return false;
}

} // namespace E2e
