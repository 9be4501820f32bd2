#include "recovery/clock.h"

#include <QTimer>

namespace recovery {
namespace {

class EventLoopTimer final : public Timer {
public:
    explicit EventLoopTimer(std::function<void()> onTimeout)
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, std::move(onTimeout));
    }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class EventLoopClock final : public Clock {
public:
    std::unique_ptr<Timer> makeTimer(std::function<void()> onTimeout) override
    {
        return std::make_unique<EventLoopTimer>(std::move(onTimeout));
    }
};

} // namespace

Clock& eventLoopClock()
{
    static EventLoopClock clock;
    return clock;
}

} // namespace recovery
