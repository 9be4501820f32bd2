#pragma once
// The timers autosave runs on. The program's come from Qt's event loop; tests give a clock
// they move forward by hand, so that minutes of quiet pass without waiting for them.

#include <functional>
#include <memory>

namespace recovery {

// A single-shot timer: start() (re)arms it, the callback runs once when it runs out.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> makeTimer(std::function<void()> onTimeout) = 0;
};

// Timers on the event loop of the thread that makes them.
Clock& eventLoopClock();

} // namespace recovery
