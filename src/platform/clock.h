#pragma once
// Time as the program reads it: the system's millisecond tick count, the local calendar
// time, and waiting.
#include <cstdint>

struct LocalTime {
    int year = 0;
    int month = 0;     // 1..12
    int day = 0;       // 1..31
    int dayOfWeek = 0; // 0 Sunday .. 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since the system started; wraps after about 49 days.
    virtual uint32_t TickCount() const = 0;
    virtual LocalTime LocalNow() const = 0;
    // Seconds since the epoch of a local time, as mktime reckons it: fields out of their
    // range roll over (day 31 of a 30-day month is the 1st of the next), daylight saving
    // is the system's. `dayOfWeek` is not read.
    virtual int64_t MakeTime(const LocalTime& t) const = 0;
    // Blocks the calling thread (and with it the message loop) for `ms` milliseconds.
    virtual void Sleep(uint32_t ms) = 0;
};
