// Starts a program on the X display and reports how long it took from exec to
// its first complete frame on the screen, and the program's peak resident
// memory. The frame is seen from outside, through the X server's DAMAGE
// reports on the root window, so any program can be measured the same way.
//
//   startup_probe [--settle-ms N] [--timeout-ms N] [--snapshot FILE.ppm] [--verbose]
//                 -- program [args...]
//
// Prints one line: "frame_ms=<ms> maxrss_kb=<kB> window=<w>x<h>". The first
// frame is the moment the damage reported inside the program's first mapped
// top-level window covers all of it. --settle-ms (default 200) is how long the
// program runs on after that before it gets SIGTERM; the peak memory is taken
// from its resource usage when it has ended. --snapshot saves what the screen
// showed in the window at the first frame; --verbose lists the events seen.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

xcb_extension_t g_damageExtension = {"DAMAGE", 0};
constexpr std::uint8_t kDamageQueryVersion = 0;
constexpr std::uint8_t kDamageCreate = 1;
constexpr std::uint8_t kReportRawRectangles = 0;

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what);
    std::exit(2);
}

// The two DAMAGE requests this needs, sent the way generated xcb code sends them.
struct SQueryVersion
{
    std::uint8_t major, minor;
    std::uint16_t length;
    std::uint32_t clientMajor, clientMinor;
};

struct SDamageCreate
{
    std::uint8_t major, minor;
    std::uint16_t length;
    std::uint32_t damage, drawable;
    std::uint8_t level, pad[3];
};

template <typename TRequest>
unsigned int Send(xcb_connection_t* c, TRequest& request, std::uint8_t minor, bool bVoid)
{
    xcb_protocol_request_t protocol{};
    protocol.count = 2;
    protocol.ext = &g_damageExtension;
    protocol.opcode = minor;
    protocol.isvoid = bVoid ? 1 : 0;
    iovec parts[4]{};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    parts[3].iov_base = nullptr;
    parts[3].iov_len = 0;
    return xcb_send_request(c, bVoid ? 0 : XCB_REQUEST_CHECKED, parts + 2, &protocol);
}

// A damage notification on the wire (32 bytes).
struct SDamageNotify
{
    std::uint8_t type, level;
    std::uint16_t sequence;
    std::uint32_t drawable, damage, timestamp;
    std::int16_t ax, ay;
    std::uint16_t aw, ah;
    std::int16_t gx, gy;
    std::uint16_t gw, gh;
};

struct SWindow
{
    int x = 0, y = 0, w = 0, h = 0;
};

} // namespace

int main(int argc, char** argv)
{
    int nSettleMs = 200;
    int nTimeoutMs = 20000;
    bool bVerbose = false;
    const char* pszSnapshot = nullptr;
    int nArg = 1;
    for (; nArg < argc; ++nArg) {
        const std::string arg = argv[nArg];
        if (arg == "--") {
            ++nArg;
            break;
        }
        if (arg == "--settle-ms" && nArg + 1 < argc)
            nSettleMs = std::atoi(argv[++nArg]);
        else if (arg == "--timeout-ms" && nArg + 1 < argc)
            nTimeoutMs = std::atoi(argv[++nArg]);
        else if (arg == "--verbose")
            bVerbose = true;
        else if (arg == "--snapshot" && nArg + 1 < argc)
            pszSnapshot = argv[++nArg];
        else
            Fail("usage: startup_probe [--settle-ms N] [--timeout-ms N] [--snapshot FILE.ppm] [--verbose] -- program [args...]");
    }
    if (nArg >= argc)
        Fail("no program given");

    int nScreen = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &nScreen);
    if (xcb_connection_has_error(c))
        Fail("cannot open the display");
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < nScreen; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;

    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &g_damageExtension);
    if (!ext || !ext->present)
        Fail("the X server has no DAMAGE extension");
    const std::uint8_t nDamageEvent = ext->first_event;

    SQueryVersion query{0, kDamageQueryVersion, 0, 1, 1};
    const unsigned int nQuery = Send(c, query, kDamageQueryVersion, false);
    xcb_generic_error_t* error = nullptr;
    void* reply = xcb_wait_for_reply(c, nQuery, &error);
    if (!reply || error)
        Fail("DAMAGE version query failed");
    std::free(reply);

    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    SDamageCreate create{0, kDamageCreate, 0, xcb_generate_id(c), root, kReportRawRectangles, {0, 0, 0}};
    Send(c, create, kDamageCreate, true);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // round trip: all set up

    // The child notes the time right before exec in a page shared with us.
    auto* pExecMs = static_cast<double*>(
        mmap(nullptr, sizeof(double), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (pExecMs == MAP_FAILED)
        Fail("mmap failed");
    *pExecMs = 0;
    const pid_t child = fork();
    if (child < 0)
        Fail("fork failed");
    if (child == 0) {
        close(xcb_get_file_descriptor(c));
        *pExecMs = NowMs();
        execvp(argv[nArg], argv + nArg);
        _exit(127);
    }

    std::map<xcb_window_t, SWindow> created;
    xcb_window_t shown = XCB_NONE;
    SWindow win;
    std::vector<unsigned char> covered;
    long nCovered = 0;
    double frameMs = -1;
    const double deadline = NowMs() + nTimeoutMs;

    auto cover = [&](int x, int y, int w, int h) {
        const int x0 = std::max(x, win.x), y0 = std::max(y, win.y);
        const int x1 = std::min(x + w, win.x + win.w), y1 = std::min(y + h, win.y + win.h);
        for (int py = y0; py < y1; ++py) {
            for (int px = x0; px < x1; ++px) {
                unsigned char& cell = covered[static_cast<std::size_t>((py - win.y) * win.w + (px - win.x))];
                if (!cell) {
                    cell = 1;
                    ++nCovered;
                }
            }
        }
    };

    while (frameMs < 0) {
        if (NowMs() > deadline) {
            kill(child, SIGKILL);
            Fail("no complete frame before the time limit");
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            Fail("the program ended before its first frame");
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                Fail("lost the display");
            pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&pfd, 1, 5);
            continue;
        }
        const double at = NowMs();
        const std::uint8_t type = event->response_type & 0x7F;
        if (bVerbose)
            std::fprintf(stderr, "%8.2f ms  event %u\n", at - *pExecMs, type);
        if (type == XCB_CREATE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
            created[e->window] = {e->x, e->y, e->width, e->height};
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
            created[e->window] = {e->x, e->y, e->width, e->height};
        } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
            const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!e->override_redirect && created.count(e->window)) {
                shown = e->window;
                win = created[shown];
                covered.assign(static_cast<std::size_t>(win.w) * static_cast<std::size_t>(win.h), 0);
            }
        } else if (type == nDamageEvent && shown != XCB_NONE) {
            const auto* e = reinterpret_cast<const SDamageNotify*>(event);
            if (bVerbose)
                std::fprintf(stderr, "          damage %d,%d %ux%u\n", e->ax, e->ay, e->aw, e->ah);
            cover(e->ax, e->ay, e->aw, e->ah);
            if (nCovered == static_cast<long>(win.w) * win.h)
                frameMs = at;
        }
        std::free(event);
    }

    // What the screen showed at the first frame, for checking the probe by eye.
    if (pszSnapshot) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(win.x),
                          static_cast<std::int16_t>(win.y), static_cast<std::uint16_t>(win.w),
                          static_cast<std::uint16_t>(win.h), ~0u),
            nullptr);
        FILE* f = std::fopen(pszSnapshot, "wb");
        if (image && f && xcb_get_image_data_length(image) == win.w * win.h * 4) {
            std::fprintf(f, "P6\n%d %d\n255\n", win.w, win.h);
            const std::uint8_t* px = xcb_get_image_data(image);
            for (int i = 0; i < win.w * win.h; ++i, px += 4) {
                const unsigned char rgb[3] = {px[2], px[1], px[0]};
                std::fwrite(rgb, 1, 3, f);
            }
        }
        if (f)
            std::fclose(f);
        std::free(image);
    }

    const double stopAt = NowMs() + nSettleMs;
    while (NowMs() < stopAt) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            Fail("the program ended during the settle time");
        usleep(5000);
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    const double killAt = NowMs();
    while (wait4(child, &status, WNOHANG, &usage) != child) {
        if (NowMs() - killAt > 5000) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            break;
        }
        usleep(2000);
    }
    xcb_disconnect(c);

    std::printf("frame_ms=%.2f maxrss_kb=%ld window=%dx%d\n", frameMs - *pExecMs, usage.ru_maxrss, win.w, win.h);
    return 0;
}
