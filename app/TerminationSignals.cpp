#include "app/TerminationSignals.h"

#ifdef Q_OS_UNIX

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void ForwardSignal(int nSignal)
{
    const unsigned char byte = static_cast<unsigned char>(nSignal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

CTerminationSignals::CTerminationSignals(QObject* pParent)
    : QObject(pParent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    for (int fd : g_signalPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(g_signalPipe[0], F_SETFL, O_NONBLOCK);

    m_pNotifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CTerminationSignals::OnReadable);

    struct sigaction action = {};
    action.sa_handler = ForwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : kSignals)
        ::sigaction(nSignal, &action, nullptr);
}

// Gone only once the window is closed and the records are written: a signal
// that comes after it finds nothing left to do and must not turn an orderly
// end into a death by that signal.
CTerminationSignals::~CTerminationSignals()
{
    for (int nSignal : kSignals)
        std::signal(nSignal, SIG_IGN);
    if (g_signalPipe[0] >= 0) {
        delete m_pNotifier;
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
}

void CTerminationSignals::OnReadable()
{
    unsigned char byte = 0;
    if (::read(g_signalPipe[1], &byte, 1) == 1)
        emit Received(byte);
}

#else

// No signals to forward: the program ends when its window is closed.
CTerminationSignals::CTerminationSignals(QObject* pParent)
    : QObject(pParent)
{
}

CTerminationSignals::~CTerminationSignals() = default;

void CTerminationSignals::OnReadable()
{
}

#endif
