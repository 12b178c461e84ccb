#include "player/schedule_form.h"

#include <gtest/gtest.h>

TEST(ScheduleForm, AnUnscheduledItemStartsEmptyAndPickersSetWholeFields) {
    CScheduleForm form("Notes  ");
    EXPECT_EQ(form.Title(), "Notes");
    EXPECT_EQ(form.ScheduleText(), "*:*,*,*,* *:* *:*,* *:*,*,*,* 00");
    for (int i = 0; i < PICKER_COUNT; ++i)
        EXPECT_FALSE(form.IsSet(static_cast<Picker>(i))) << i;
    form.SetPicker(Picker::StartTime, true, PickerValue{1, 1, 7, 5});
    form.SetPicker(Picker::StopMonth, true, PickerValue{11, 1, 0, 0});
    form.SetPicker(Picker::IntervalDays, true, PickerValue{1, 3, 0, 0});
    EXPECT_EQ(form.ScheduleText(), "07:05,*,*,* *:* *:*,3 *:*,*,11,* 00");
    EXPECT_EQ(form.ValueOf(Picker::StartTime).minute, 5);
    form.SetPicker(Picker::StartTime, false, PickerValue{1, 1, 7, 5});
    EXPECT_EQ(form.ScheduleText(), "*:*,*,*,* *:* *:*,3 *:*,*,11,* 00");
}

TEST(ScheduleForm, PlayersClearWhatTheyCannotHaveAndSpinsWrap) {
    CScheduleForm form("Alarm <06:45,4,*,* *:* *:*,* *:*,*,*,* 00>");
    EXPECT_EQ(WeekdayName(form.Weekday(false), false), "Wednesday");
    EXPECT_EQ(WeekdayName(NOT_SET, false), "any weekday");
    EXPECT_EQ(WeekdayName(NOT_SET, true), "");
    form.CheckVolume(true);
    EXPECT_EQ(form.Record().volume, 7);
    form.SetPlayer(PLAYER_MEDIA, true, true); // no pause for the media player itself
    EXPECT_EQ(form.Record().flags, SCH_RANDOM | PLAYER_MEDIA);
    EXPECT_FALSE(form.Enables().pauseMedia);
    form.SetPlayer(PLAYER_MCI, true, true);
    EXPECT_EQ(form.Record().flags, SCH_RANDOM | SCH_PAUSE_MEDIA | PLAYER_MCI);
    EXPECT_TRUE(form.Enables().pauseMedia);
    form.SetPlayer(PLAYER_EXTERNAL, true, true);
    EXPECT_EQ(form.ScheduleText(), "06:45,4,*,* *:* *:*,* *:*,*,*,* 03");
    EXPECT_FALSE(form.Enables().randomAndVolume);

    EXPECT_EQ(form.SpinVolume(9, 1), 0);
    EXPECT_EQ(form.SpinVolume(0, -1), 9);
    EXPECT_EQ(form.SpinWeekday(true, 7, 1), 1);
    EXPECT_EQ(form.SpinWeekday(true, 1, -1), 7);
    EXPECT_EQ(form.Weekday(true), 7);
    form.CheckWeekday(false, false);
    EXPECT_EQ(form.Weekday(false), NOT_SET);
    form.CheckWeekday(false, true);
    EXPECT_EQ(form.Weekday(false), 1);
}
