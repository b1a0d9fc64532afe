#include "process/termination_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// Time enough for the windows to be unloaded, also in a sanitizer build.
constexpr unsigned kGraceSeconds = 5;
int sockets[2] = {-1, -1}; // the handler writes into [0], the event loop reads [1]
volatile sig_atomic_t received = 0; // the last termination signal, for the alarm to raise again
struct sigaction previous[std::size(kSignals)];
bool installed[std::size(kSignals)] = {};

// Async-signal-safe: one write that never blocks, errno left as it was.
void OnSignal(int signal)
{
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &number, 1);
    received = signal;
    ::alarm(kGraceSeconds);
    errno = savedErrno;
}

// The main thread did not end the program in time: the signal it was sent ends it now, by its
// default action, so that whoever sent it sees the process ended by that signal.
void OnAlarm(int)
{
    const int signal = received ? received : SIGTERM;
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets) != 0) {
        qWarning("lunetide: no socket pair for the termination signals: %s", std::strerror(errno));
        return;
    }
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    // The alarm ends the process, whatever its disposition was when the program started.
    struct sigaction alarm {};
    alarm.sa_handler = &OnAlarm;
    sigemptyset(&alarm.sa_mask);
    ::sigaction(SIGALRM, &alarm, nullptr);
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (::sigaction(kSignals[i], nullptr, &previous[i]) != 0 ||
            previous[i].sa_handler == SIG_IGN)
            continue;
        installed[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals()
{
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (installed[i])
            ::sigaction(kSignals[i], &previous[i], nullptr);
        installed[i] = false;
    }
    delete notifier_;
    for (int& socket : sockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

void TerminationSignals::readSignal()
{
    char numbers[16];
    while (::read(sockets[1], numbers, sizeof numbers) > 0) {
    }
    if (onSignal_)
        onSignal_();
}
