#pragma once
// The Schedule dialog's rules without the dialog: which schedule field each control edits,
// which controls are enabled, and the schedule text and caption that the fields make.
#include <string>

#include "player/schedule.h"

// The date-time pickers, each with a check box of its own.
enum class Picker {
    StartTime,
    StartMonth,
    StartDay,
    Duration,
    IntervalTime,
    IntervalDays,
    StopTime,
    StopMonth,
    StopDay,
};
constexpr int PICKER_COUNT = 9;

// What a picker shows: a date in 2003 with the field's month and day (1 where not set) and
// its hour and minute (0 where not set).
struct PickerValue {
    int month = 1, day = 1, hour = 0, minute = 0;
};

struct FormEnables {
    bool pauseMedia = false;      // "Pause MediaPlayer": for the MCI and wave players
    bool randomAndVolume = false; // not for the external player
};

class CScheduleForm {
public:
    // Reads the caption's schedule; an unscheduled caption starts with every field unset.
    explicit CScheduleForm(const std::string& caption);

    const std::string& Title() const { return m_title; }
    const ScheduleRecord& Record() const { return m_record; }

    bool IsSet(Picker picker) const;
    PickerValue ValueOf(Picker picker) const;
    // The picker's check box and value after the user changed them.
    void SetPicker(Picker picker, bool checked, const PickerValue& value);

    // Start (stop = false) or stop weekday, 1 = Sunday ... 7 = Saturday, NOT_SET = any.
    uint16_t Weekday(bool stop) const {
        return stop ? m_record.stop.wDayOfWeek : m_record.start.wDayOfWeek;
    }
    void CheckWeekday(bool stop, bool checked);
    // A spin from `position` by `delta`, wrapping past Saturday to Sunday and back; the new day.
    int SpinWeekday(bool stop, int position, int delta);
    // The volume check box: checked gives 7 when none was set.
    void CheckVolume(bool checked);
    // A spin from `position` by `delta`, wrapping 9 to 0 and 0 to 9; the new volume.
    int SpinVolume(int position, int delta);

    int Player() const { return m_record.flags & SCH_PLAYER_MASK; }
    bool Random() const { return (m_record.flags & SCH_RANDOM) != 0; }
    bool PauseMedia() const { return (m_record.flags & SCH_PAUSE_MEDIA) != 0; }
    // The radio buttons and mode boxes: clears what the player cannot have.
    void SetPlayer(int player, bool random, bool pauseMedia);
    FormEnables Enables() const;

    std::string ScheduleText() const { return FormatSchedule(m_record); }

private:
    uint16_t* Field(Picker picker, int part);

    std::string m_title;
    ScheduleRecord m_record;
};

// The weekday's name (string table), "any weekday" for the start's NOT_SET, else empty.
std::string WeekdayName(uint16_t weekday, bool stop);
