#pragma once
#include <functional>
#include <vector>

#include "platform/clock.h"

// A clock that moves only when told to, or by the time a caller sleeps.
class FakeClock final : public IClock {
public:
    uint32_t tick = 100000;
    LocalTime local;
    std::vector<uint32_t> sleeps;
    std::function<void()> onSleep; // runs after each sleep: the world changes meanwhile

    uint32_t TickCount() const override { return tick; }
    LocalTime LocalNow() const override { return local; }
    void Sleep(uint32_t ms) override {
        sleeps.push_back(ms);
        tick += ms;
        if (onSleep)
            onSleep();
    }
    uint32_t Slept() const {
        uint32_t total = 0;
        for (uint32_t ms : sleeps)
            total += ms;
        return total;
    }
};
