#pragma once
// The ways a desktop ends a program without asking its window: SIGTERM (a shutdown, kill),
// SIGHUP (the terminal or the session went), SIGINT (Ctrl+C in the terminal). The handler
// only writes the signal's number into a socket pair; the event loop reads it, so that what
// follows runs on the window's thread with the program in a consistent state.

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace app {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // `onSignal` runs on this thread's event loop with the signal's number, once per signal.
    explicit TerminationSignals(std::function<void(int)> onSignal, QObject* parent = nullptr);
    // The previous handlers come back.
    ~TerminationSignals() override;

    // Ends the process by `signal` as its default action would, so that whoever waits for
    // it sees how it ended.
    [[noreturn]] static void endBy(int signal);

private:
    void readSignal();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Runs `keep` if the process ends through exit() while the guard lives: Qt's X11 connection
// calls exit(1) from the event loop when the X server goes away, and nothing else runs
// then. The guard is dropped before a normal end unwinds the window.
class ExitGuard {
public:
    explicit ExitGuard(std::function<void()> keep);
    ~ExitGuard();
    ExitGuard(const ExitGuard&) = delete;
    ExitGuard& operator=(const ExitGuard&) = delete;
};

} // namespace app
