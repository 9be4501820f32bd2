#pragma once
// A clock that moves only when the test says so: advance() runs the timers that fall due,
// in the order of their deadlines, each at its own moment.

#include "recovery/clock.h"

#include <algorithm>
#include <vector>

class ManualClock final : public recovery::Clock {
public:
    std::unique_ptr<recovery::Timer> makeTimer(std::function<void()> onTimeout) override
    {
        return std::make_unique<ManualTimer>(*this, std::move(onTimeout));
    }

    qint64 now() const { return now_; }

    void advance(qint64 ms)
    {
        const qint64 until = now_ + ms;
        for (;;) {
            ManualTimer* next = nullptr;
            for (ManualTimer* timer : timers_)
                if (timer->active_ && timer->due_ <= until && (!next || timer->due_ < next->due_))
                    next = timer;
            if (!next)
                break;
            now_ = next->due_;
            next->active_ = false;
            next->onTimeout_();
        }
        now_ = until;
    }

private:
    class ManualTimer final : public recovery::Timer {
    public:
        ManualTimer(ManualClock& clock, std::function<void()> onTimeout)
            : clock_(clock), onTimeout_(std::move(onTimeout))
        {
            clock_.timers_.push_back(this);
        }
        ~ManualTimer() override { std::erase(clock_.timers_, this); }
        void start(int ms) override
        {
            active_ = true;
            due_ = clock_.now_ + ms;
        }
        void stop() override { active_ = false; }
        bool isActive() const override { return active_; }

        ManualClock& clock_;
        std::function<void()> onTimeout_;
        bool active_ = false;
        qint64 due_ = 0;
    };

    qint64 now_ = 0;
    std::vector<ManualTimer*> timers_;
};
