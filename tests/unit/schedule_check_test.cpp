#include "player/schedule_check.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"

namespace {

struct Case {
    const char* schedule; // the schedule text between the angle brackets
    int year, month, day, hour, minute;
    bool starts;
    int64_t seconds;
};

// Weekdays in March 2024: the 3rd is a Sunday, the 6th a Wednesday, the 9th a Saturday.
const Case kCases[] = {
    // Start 08:00 every half hour: 08:00 .. 23:30, never before 08:00.
    {"08:00,*,*,* *:* 00:30,* *:*,*,*,*", 2024, 3, 5, 8, 0, true, 0},
    {"08:00,*,*,* *:* 00:30,* *:*,*,*,*", 2024, 3, 5, 8, 30, true, 0},
    {"08:00,*,*,* *:* 00:30,* *:*,*,*,*", 2024, 3, 5, 23, 30, true, 0},
    {"08:00,*,*,* *:* 00:30,* *:*,*,*,*", 2024, 3, 5, 8, 15, false, 0},
    {"08:00,*,*,* *:* 00:30,* *:*,*,*,*", 2024, 3, 5, 7, 30, false, 0},
    {"08:00,*,*,* *:* 00:30,* *:*,*,*,*", 2024, 3, 5, 0, 0, false, 0},
    {"08:00,*,*,* *:* *:*,* *:*,*,*,*", 2024, 3, 5, 8, 15, false, 0}, // passed, no recurrence
    // Every 2 days without a start day counts from today: every day.
    {"08:00,*,*,* *:* *:*,2 *:*,*,*,*", 2024, 3, 6, 8, 0, true, 0},
    // Day 1 every 7 days at 09:00: the 1st, 8th, ... 29th.
    {"09:00,*,*,1 *:* *:*,7 *:*,*,*,*", 2024, 3, 29, 9, 0, true, 0},
    {"09:00,*,*,1 *:* *:*,7 *:*,*,*,*", 2024, 3, 9, 9, 0, false, 0},
    // Day 31 never comes in a 30-day month, even with a daily recurrence.
    {"09:00,*,*,31 *:* *:*,* *:*,*,*,*", 2024, 3, 31, 9, 0, true, 0},
    {"09:00,*,*,31 *:* *:*,* *:*,*,*,*", 2024, 4, 30, 9, 0, false, 0},
    {"09:00,*,*,31 *:* *:*,1 *:*,*,*,*", 2024, 4, 30, 9, 0, false, 0},
    // Weekday 1 is Sunday, 7 Saturday; the month restricts too.
    {"10:00,1,*,* *:* *:*,* *:*,*,*,*", 2024, 3, 3, 10, 0, true, 0},
    {"10:00,1,*,* *:* *:*,* *:*,*,*,*", 2024, 3, 4, 10, 0, false, 0},
    {"10:00,7,*,* *:* *:*,* *:*,*,*,*", 2024, 3, 9, 10, 0, true, 0},
    {"10:00,*,4,* *:* *:*,* *:*,*,*,*", 2024, 3, 5, 10, 0, false, 0},
    // Stops: a stop time before the start time falls on the next day; one at the start
    // time means no limit; the smaller of stop and duration wins.
    {"22:00,*,*,* *:* *:*,* 06:00,*,*,*", 2024, 3, 5, 22, 0, true, 8 * 3600},
    {"10:00,*,*,* *:* *:*,* 10:00,*,*,*", 2024, 3, 5, 10, 0, true, 0},
    {"10:00,*,*,* 00:15 *:*,* 11:00,*,*,*", 2024, 3, 5, 10, 0, true, 15 * 60},
    {"10:00,*,*,* 02:00 *:*,* 11:00,*,*,*", 2024, 3, 5, 10, 0, true, 3600},
    {"10:00,*,*,* 00:15 *:*,* *:*,*,*,*", 2024, 3, 5, 10, 0, true, 15 * 60},
    // With a recurrence the stop keeps its distance from each start.
    {"08:00,*,*,* *:* 01:00,* 09:00,*,*,*", 2024, 3, 5, 10, 0, true, 3600},
    // Stop day, weekday and month move the stop to their next occurrence, across the year.
    {"10:00,*,*,* *:* *:*,* 10:00,*,*,5", 2024, 12, 20, 10, 0, true, 16 * 86400},
    {"10:00,*,*,* *:* *:*,* 10:00,6,*,*", 2024, 3, 6, 10, 0, true, 2 * 86400},
    {"10:00,*,*,* *:* *:*,* 10:00,*,2,*", 2024, 11, 15, 10, 0, true, 92 * 86400},
    // No start time, or any number out of its range: nothing ever starts.
    {"*:*,*,*,* 00:15 *:*,* *:*,*,*,*", 2024, 3, 5, 10, 0, false, 0},
    {"30:00,*,*,* *:* *:*,* *:*,*,*,*", 2024, 3, 6, 6, 0, false, 0},
    {"10:00,*,*,99 *:* *:*,* *:*,*,*,*", 2024, 3, 5, 10, 0, false, 0},
    {"10:00,9,*,* *:* *:*,* *:*,*,*,*", 2024, 3, 5, 10, 0, false, 0},
    {"10:00,*,*,* *:* 00:99,* *:*,*,*,*", 2024, 3, 5, 10, 0, false, 0},
    {"10:00,*,*,* *:* *:*,* 30:00,*,*,*", 2024, 3, 5, 10, 0, false, 0},
};

} // namespace

TEST(ScheduleCheck, StartsAndPlayingTimes) {
    FakeClock clock;
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.schedule << " at " << c.year << "-" << c.month << "-"
                                        << c.day << " " << c.hour << ":" << c.minute);
        ScheduleRecord record;
        ASSERT_TRUE(ParseSchedule(std::string("x <") + c.schedule + " 00>", record));
        clock.SetLocal(c.year, c.month, c.day, c.hour, c.minute, 30);
        const ScheduleStart start = CheckSchedule(record, clock.local, clock);
        EXPECT_EQ(start.starts, c.starts);
        EXPECT_EQ(start.seconds, c.seconds);
    }
}
