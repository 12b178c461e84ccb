#pragma once
// Whether a schedule starts its clip in a given minute, and for how long it may play.
#include <cstdint>

#include "platform/clock.h"
#include "player/schedule.h"

struct ScheduleStart {
    bool starts = false;
    int64_t seconds = 0; // the longest playing time; 0 = until the play list ends
};

// Every set field lies in the range the Schedule dialog writes (hour 0-23, minute 0-59,
// weekday 1-7, month 1-12, day 1-31, interval days 0-31); the volume is not looked at.
bool ScheduleInRange(const ScheduleRecord& record);

// The decision for the minute of `now` (its seconds are ignored). Times are reckoned in
// local time through `clock`, as mktime does. A schedule with a field out of range never
// starts.
ScheduleStart CheckSchedule(const ScheduleRecord& record, const LocalTime& now,
                            const IClock& clock);
