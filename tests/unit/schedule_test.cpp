#include "player/schedule.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Every field of the four times (eight 16-bit fields each, no padding), flags and volume.
bool SameRecord(const ScheduleRecord& a, const ScheduleRecord& b) {
    const auto same = [](const ScheduleTime& x, const ScheduleTime& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    return same(a.start, b.start) && same(a.duration, b.duration) && same(a.interval, b.interval) &&
           same(a.stop, b.stop) && a.flags == b.flags && a.volume == b.volume;
}

const char kNews[] = "News <08:30,*,*,* *:* *:*,* *:*,*,*,*>";

} // namespace

TEST(Schedule, FlagsAndVolumeAreOptionalAndWrittenOnlyWhenSet) {
    ScheduleRecord r;
    r.flags = 0x33;
    ASSERT_TRUE(ParseSchedule(kNews, r));
    EXPECT_EQ(std::make_pair(int(r.flags), r.volume), std::make_pair(0, -1));
    uint8_t flags = 9;
    int volume = 9;
    ASSERT_TRUE(ParseScheduleFlags("x <1:2,3,4,5 6:7 8:9,10 11:12,13,14,15 21>", flags, volume));
    EXPECT_EQ(std::make_pair(int(flags), volume), std::make_pair(0x21, -1));

    r = ScheduleRecord();
    r.start.wHour = 7;
    r.start.wMinute = 5;
    EXPECT_EQ(FormatSchedule(r), "07:05,*,*,* *:* *:*,* *:*,*,*,* 00");
    r.volume = 0;
    EXPECT_EQ(FormatSchedule(r), "07:05,*,*,* *:* *:*,* *:*,*,*,* 000");
    r.flags = 0x10;
    r.volume = 5;
    EXPECT_EQ(FormatSchedule(r).substr(32), "105");
    r.flags = 0x21;
    r.volume = -1;
    EXPECT_EQ(FormatSchedule(r).substr(32), "21");
}

TEST(Schedule, FewerThanFifteenValuesIsNoScheduleAndKeepsTheCaptionWhole) {
    ScheduleRecord r;
    r.start.wHour = 3;
    r.volume = 4;
    for (const char* caption : {"Price <5 %>", "Plain caption", "<08:30,*,*,* *:* *:*,* *:*,*,*>",
                                "a<b <08:30,*,*,* *:* *:*,* *:*,*,*,* 00>", "<"}) {
        EXPECT_FALSE(ParseSchedule(caption, r)) << caption;
        EXPECT_TRUE(SameRecord(r, ScheduleRecord())) << caption;
        EXPECT_EQ(TitleOf(caption), caption);
        EXPECT_EQ(MenuCaptionOf(caption), caption);
        EXPECT_FALSE(ScheduleMarksOf(caption).scheduled);
    }
    uint8_t flags = 5;
    int volume = 5;
    EXPECT_FALSE(ParseScheduleFlags("Price <5 %>", flags, volume));
    EXPECT_EQ(std::make_pair(int(flags), volume), std::make_pair(0, -1));
    // A schedule shows only its start time in the menu, and the title is the rest.
    EXPECT_EQ(MenuCaptionOf("Clock <*:*,*,*,* *:* 00:15,* *:*,*,*,* 02>"), "Clock ");
    EXPECT_EQ(MenuCaptionOf("Alarm <06:45,2,*,* *:* *:*,* *:*,*,*,* 00>"), "Alarm <06:45>");
    EXPECT_EQ(TitleOf("Alarm <06:45,2,*,* *:* *:*,* *:*,*,*,* 00>"), "Alarm");
    EXPECT_EQ(TitleOf("Notes \t "), "Notes");
}

TEST(Schedule, FormatAndParseRoundTripAndHandTypedTextIsReadByScanRules) {
    ScheduleRecord full;
    full.start = {NOT_SET, 12, 7, 31, 23, 59, NOT_SET, NOT_SET};
    full.duration.wHour = 0;
    full.duration.wMinute = 0;
    full.interval.wHour = 1;
    full.interval.wMinute = 15;
    full.interval.wDay = 2;
    full.stop = {NOT_SET, 1, 1, 1, 0, 1, NOT_SET, NOT_SET};
    full.flags = PLAYER_WAV | SCH_PAUSE_MEDIA | SCH_RANDOM;
    full.volume = 0;

    ScheduleRecord timeOnly;
    timeOnly.start.wHour = 0;
    timeOnly.start.wMinute = 0;
    timeOnly.flags = PLAYER_EXTERNAL;
    timeOnly.volume = 9;

    for (const ScheduleRecord& r : {full, timeOnly, ScheduleRecord()}) {
        const std::string caption = ComposeScheduledCaption("  Title  ", FormatSchedule(r));
        EXPECT_EQ(caption.substr(0, 7), "Title <");
        ScheduleRecord back;
        ASSERT_TRUE(ParseSchedule(caption, back)) << caption;
        EXPECT_TRUE(SameRecord(back, r)) << caption;
        EXPECT_EQ(FormatSchedule(back), FormatSchedule(r));
        EXPECT_EQ(TitleOf(caption), "Title");
    }
    ScheduleRecord r;
    // Out-of-range values are stored as read; blanks before numbers are skipped.
    ASSERT_TRUE(ParseSchedule("x < 30:99,9,13,32 1:2 3:4,5 6:7,8,9,10 3F12>", r));
    EXPECT_EQ(FormatSchedule(r), "30:99,9,13,32 01:02 03:04,5 06:07,8,9,10 3F12");
    // Numbers are cut to 16 bits, so a huge one does no harm.
    ASSERT_TRUE(ParseSchedule("<1:2,99999999999,4,5 6:7 8:9,10 11:12,13,14,15>", r));
    EXPECT_EQ(r.start.wDayOfWeek, static_cast<uint16_t>(int32_t(99999999999LL & 0xFFFFFFFF)));
}
