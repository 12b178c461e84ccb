#pragma once
#include <functional>
#include <numeric>
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
    // Local time without daylight saving: days counted as the civil calendar does.
    int64_t MakeTime(const LocalTime& t) const override {
        int64_t y = t.year, m = t.month - 1;
        y += m / 12 - (m % 12 < 0 ? 1 : 0);
        m = (m % 12 + 12) % 12 + 1;
        y -= m <= 2;
        const int64_t era = (y >= 0 ? y : y - 399) / 400;
        const int64_t yoe = y - era * 400;
        const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
        const int64_t days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
        return ((days + t.day - 1) * 24 + t.hour) * 3600 + t.minute * 60 + t.second;
    }
    // Sets the local time from a date and time of day, with its weekday.
    void SetLocal(int year, int month, int day, int hour, int minute, int second = 0) {
        local = LocalTime{year, month, day, 0, hour, minute, second};
        const int64_t days = MakeTime(LocalTime{year, month, day, 0, 0, 0, 0}) / 86400;
        local.dayOfWeek = static_cast<int>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
    }
    void Sleep(uint32_t ms) override {
        sleeps.push_back(ms);
        tick += ms;
        if (onSleep)
            onSleep();
    }
    uint32_t Slept() const { return std::accumulate(sleeps.begin(), sleeps.end(), 0u); }
};
