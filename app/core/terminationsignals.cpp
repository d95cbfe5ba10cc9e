#include "terminationsignals.h"
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

constexpr int TerminationSignals::kSignals[];

namespace {
// The socket pair: [0] is read by the notifier, [1] written by the handler.
int g_pair[2] = {-1, -1};

// Only async-signal-safe calls: one byte written, errno kept.
void onSignal(int signalNumber)
{
    const int saved = errno;
    const char byte = char(signalNumber);
    if (g_pair[1] >= 0)
        (void)::write(g_pair[1], &byte, 1);
    errno = saved;
}

bool makeNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 && ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}
} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals()
{
    uninstall();
}

bool TerminationSignals::install()
{
    if (m_notifier)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pair) != 0)
        return false;
    if (!makeNonBlocking(g_pair[0]) || !makeNonBlocking(g_pair[1])) {
        uninstall();
        return false;
    }
    m_notifier = new QSocketNotifier(g_pair[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kSignalCount; ++i) {
        m_installed[i] = ::sigaction(kSignals[i], &action, &m_previous[i]) == 0;
        if (!m_installed[i]) {
            uninstall();
            return false;
        }
    }
    return true;
}

void TerminationSignals::readSignals()
{
    char bytes[16];
    for (;;) {
        const ssize_t n = ::read(g_pair[0], bytes, sizeof bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i)
            emit terminationRequested(int(bytes[i]));
    }
}

void TerminationSignals::uninstall()
{
    for (int i = 0; i < kSignalCount; ++i)
        if (m_installed[i])
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
    for (bool &installed : m_installed)
        installed = false;
    delete m_notifier;
    m_notifier = nullptr;
    for (int &fd : g_pair) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
