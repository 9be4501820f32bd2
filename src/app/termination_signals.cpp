#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

int signalSocket[2] = {-1, -1};
struct sigaction previous[kSignals.size()];

extern "C" void forwardSignal(int signal)
{
    const int savedErrno = errno;
    const char number = char(signal);
    // Async-signal-safe; a full socket means a signal is already waiting to be read.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &number, 1);
    errno = savedErrno;
}

std::function<void()>* exitKeeper = nullptr;

extern "C" void keepAtExit()
{
    if (exitKeeper) {
        // Once: what it runs may end the process itself.
        const std::function<void()> keep = *exitKeeper;
        exitKeeper = nullptr;
        keep();
    }
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalSocket[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    notifier_.reset();
    ::close(signalSocket[0]);
    ::close(signalSocket[1]);
    signalSocket[0] = signalSocket[1] = -1;
}

void TerminationSignals::readSignal()
{
    char number = 0;
    while (::read(signalSocket[1], &number, 1) == 1)
        onSignal_(number);
}

void TerminationSignals::endBy(int signal)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    ::sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal); // a signal whose default is to go on
}

ExitGuard::ExitGuard(std::function<void()> keep)
{
    static bool registered = false;
    exitKeeper = new std::function<void()>(std::move(keep));
    if (!registered)
        registered = std::atexit(keepAtExit) == 0;
}

ExitGuard::~ExitGuard()
{
    delete exitKeeper;
    exitKeeper = nullptr;
}

} // namespace app
