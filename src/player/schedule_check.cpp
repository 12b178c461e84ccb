#include "player/schedule_check.h"

#include <algorithm>

namespace {

bool IsSet(uint16_t value) {
    return value != NOT_SET;
}
bool InRange(uint16_t value, int low, int high) {
    return !IsSet(value) || (value >= low && value <= high);
}
// A part of a time that is not set counts 0 (an hour typed without its minutes is o'clock).
int64_t Part(uint16_t value) {
    return IsSet(value) ? value : 0;
}
bool TimeOfDayInRange(const ScheduleTime& t) {
    return InRange(t.wHour, 0, 23) && InRange(t.wMinute, 0, 59);
}
bool DateInRange(const ScheduleTime& t) {
    return InRange(t.wDayOfWeek, 1, 7) && InRange(t.wMonth, 1, 12) && InRange(t.wDay, 1, 31);
}
int64_t SecondsOfDay(const ScheduleTime& t) {
    return Part(t.wHour) * 3600 + Part(t.wMinute) * 60;
}

// How long the clip may play until the stop, counted from its start at `tStart` == now.
int64_t SecondsToStop(const ScheduleRecord& r, const LocalTime& now, int64_t tStart,
                      const IClock& clock) {
    LocalTime date = now; // the stop date at the current time of day
    date.second = 0;
    if (IsSet(r.stop.wMonth)) {
        if (r.stop.wMonth < now.month)
            ++date.year;
        date.month = r.stop.wMonth;
    }
    int days = 0;
    if (IsSet(r.stop.wDayOfWeek)) // the next such weekday, today included
        days = (r.stop.wDayOfWeek - (now.dayOfWeek + 1) + 7) % 7;
    if (IsSet(r.stop.wDay)) {
        if (r.stop.wDay < now.day && ++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
        date.day = r.stop.wDay;
    }
    date.day += days;
    const int64_t startOfDay = SecondsOfDay(r.start);
    int64_t stopOfDay = SecondsOfDay(r.stop);
    if (stopOfDay < startOfDay)
        stopOfDay += 86400;
    const int64_t tStop = clock.MakeTime(date) + (stopOfDay - startOfDay);
    return std::max<int64_t>(0, tStop - tStart);
}

} // namespace

bool ScheduleInRange(const ScheduleRecord& r) {
    return TimeOfDayInRange(r.start) && DateInRange(r.start) && TimeOfDayInRange(r.duration) &&
           TimeOfDayInRange(r.interval) && InRange(r.interval.wDay, 0, 31) &&
           TimeOfDayInRange(r.stop) && DateInRange(r.stop);
}

ScheduleStart CheckSchedule(const ScheduleRecord& r, const LocalTime& now, const IClock& clock) {
    if (!IsSet(r.start.wHour) || !ScheduleInRange(r))
        return {};
    if (IsSet(r.start.wMonth) && r.start.wMonth != now.month)
        return {};
    // The schedule counts weekdays 1 = Sunday, the clock 0 = Sunday.
    if (IsSet(r.start.wDayOfWeek) && r.start.wDayOfWeek != now.dayOfWeek + 1)
        return {};
    LocalTime at = now;
    at.second = 0;
    const int64_t tNow = clock.MakeTime(at);
    LocalTime start = at;
    if (IsSet(r.start.wDay))
        start.day = r.start.wDay; // a day the month lacks rolls into the next month
    start.hour = r.start.wHour;
    start.minute = static_cast<int>(Part(r.start.wMinute));
    int64_t tStart = clock.MakeTime(start);
    const int64_t step =
        ((Part(r.interval.wDay) * 24 + Part(r.interval.wHour)) * 60 + Part(r.interval.wMinute)) *
        60;
    if (step > 0 && tStart < tNow)
        tStart += (tNow - tStart + step - 1) / step * step;
    if (tStart != tNow)
        return {};

    ScheduleStart result;
    result.starts = true;
    if (IsSet(r.stop.wHour))
        result.seconds = SecondsToStop(r, now, tStart, clock);
    if (IsSet(r.duration.wHour)) {
        const int64_t limit = SecondsOfDay(r.duration);
        result.seconds = result.seconds == 0 ? limit : std::min(result.seconds, limit);
    }
    return result;
}
