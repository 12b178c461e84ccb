#include "player/schedule_form.h"

#include "platform/ui_strings.h"
#include "resource.h"

namespace {

enum Part { HOUR, MINUTE, MONTH, DAY };

bool IsTimePicker(Picker picker) {
    return picker == Picker::StartTime || picker == Picker::Duration ||
           picker == Picker::IntervalTime || picker == Picker::StopTime;
}

int Wrap(int value, int low, int high) {
    return value < low ? high : value > high ? low : value;
}

} // namespace

CScheduleForm::CScheduleForm(const std::string& caption) : m_title(TitleOf(caption)) {
    ParseSchedule(caption, m_record);
}

// The field a picker edits: its hour (or month, or day); `part` MINUTE gives the minute.
uint16_t* CScheduleForm::Field(Picker picker, int part) {
    ScheduleRecord& r = m_record;
    switch (picker) {
    case Picker::StartTime:
        return part == MINUTE ? &r.start.wMinute : &r.start.wHour;
    case Picker::StartMonth:
        return &r.start.wMonth;
    case Picker::StartDay:
        return &r.start.wDay;
    case Picker::Duration:
        return part == MINUTE ? &r.duration.wMinute : &r.duration.wHour;
    case Picker::IntervalTime:
        return part == MINUTE ? &r.interval.wMinute : &r.interval.wHour;
    case Picker::IntervalDays:
        return &r.interval.wDay;
    case Picker::StopTime:
        return part == MINUTE ? &r.stop.wMinute : &r.stop.wHour;
    case Picker::StopMonth:
        return &r.stop.wMonth;
    case Picker::StopDay:
        return &r.stop.wDay;
    }
    return &r.start.wHour;
}

bool CScheduleForm::IsSet(Picker picker) const {
    return *const_cast<CScheduleForm*>(this)->Field(picker, HOUR) != NOT_SET;
}

PickerValue CScheduleForm::ValueOf(Picker picker) const {
    auto* self = const_cast<CScheduleForm*>(this);
    auto or_ = [](uint16_t v, int unset) { return v == NOT_SET ? unset : static_cast<int>(v); };
    PickerValue value;
    const uint16_t first = *self->Field(picker, HOUR);
    if (IsTimePicker(picker)) {
        value.hour = or_(first, 0);
        value.minute = or_(*self->Field(picker, MINUTE), 0);
    } else if (picker == Picker::StartMonth || picker == Picker::StopMonth) {
        value.month = or_(first, 1);
    } else {
        value.day = or_(first, 1);
    }
    return value;
}

void CScheduleForm::SetPicker(Picker picker, bool checked, const PickerValue& value) {
    uint16_t& first = *Field(picker, HOUR);
    if (IsTimePicker(picker)) {
        first = checked ? static_cast<uint16_t>(value.hour) : NOT_SET;
        *Field(picker, MINUTE) = checked ? static_cast<uint16_t>(value.minute) : NOT_SET;
    } else if (picker == Picker::StartMonth || picker == Picker::StopMonth) {
        first = checked ? static_cast<uint16_t>(value.month) : NOT_SET;
    } else {
        first = checked ? static_cast<uint16_t>(value.day) : NOT_SET;
    }
}

void CScheduleForm::CheckWeekday(bool stop, bool checked) {
    (stop ? m_record.stop : m_record.start).wDayOfWeek = checked ? 1 : NOT_SET;
}

int CScheduleForm::SpinWeekday(bool stop, int position, int delta) {
    const int day = Wrap(position + delta, 1, 7);
    (stop ? m_record.stop : m_record.start).wDayOfWeek = static_cast<uint16_t>(day);
    return day;
}

void CScheduleForm::CheckVolume(bool checked) {
    if (!checked)
        m_record.volume = -1;
    else if (m_record.volume == -1)
        m_record.volume = 7;
}

int CScheduleForm::SpinVolume(int position, int delta) {
    m_record.volume = Wrap(position + delta, 0, 9);
    return m_record.volume;
}

void CScheduleForm::SetPlayer(int player, bool random, bool pauseMedia) {
    uint8_t flags = static_cast<uint8_t>(player & SCH_PLAYER_MASK);
    if (player == PLAYER_EXTERNAL) {
        m_record.volume = -1;
    } else {
        if (random)
            flags |= SCH_RANDOM;
        if (pauseMedia && player != PLAYER_MEDIA)
            flags |= SCH_PAUSE_MEDIA;
    }
    m_record.flags = flags;
}

FormEnables CScheduleForm::Enables() const {
    const int player = Player();
    return FormEnables{player == PLAYER_MCI || player == PLAYER_WAV, player != PLAYER_EXTERNAL};
}

std::string WeekdayName(uint16_t weekday, bool stop) {
    if (weekday >= 1 && weekday <= 7)
        return LoadUiString(IDS_SUNDAY + weekday - 1);
    return stop ? std::string() : LoadUiString(IDS_ANY_WEEKDAY);
}
