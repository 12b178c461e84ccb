// Any caption through the schedule reader. A schedule that reads must be written back as
// text that reads to the same record (when its two-digit fields fit two digits).
#include "player/schedule.h"

#include <cstdlib>
#include <string>

namespace {

bool TwoDigitFieldsFit(const ScheduleRecord& r) {
    for (uint16_t v : {r.start.wHour, r.start.wMinute, r.duration.wHour, r.duration.wMinute,
                       r.interval.wHour, r.interval.wMinute, r.stop.wHour, r.stop.wMinute}) {
        if (v != NOT_SET && v > 99)
            return false;
    }
    return true;
}

bool Same(const ScheduleTime& a, const ScheduleTime& b) {
    return a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay &&
           a.wHour == b.wHour && a.wMinute == b.wMinute;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string caption(reinterpret_cast<const char*>(data), size);
    ScheduleRecord r;
    const bool ok = ParseSchedule(caption, r);
    uint8_t flags = 0;
    int volume = 0;
    if (ParseScheduleFlags(caption, flags, volume) != ok || flags != r.flags || volume != r.volume)
        std::abort();
    const std::string title = TitleOf(caption);
    const std::string shown = MenuCaptionOf(caption);
    const ScheduleMarks marks = ScheduleMarksOf(caption);
    if (marks.scheduled != ok || title.size() > caption.size() || shown.size() > caption.size() + 1)
        std::abort();
    if (!ok || !TwoDigitFieldsFit(r))
        return 0;
    ScheduleRecord back;
    const std::string again = ComposeScheduledCaption("T", FormatSchedule(r));
    if (!ParseSchedule(again, back))
        std::abort();
    if (!Same(back.start, r.start) || !Same(back.duration, r.duration) ||
        !Same(back.interval, r.interval) || !Same(back.stop, r.stop) || back.flags != r.flags ||
        back.volume != r.volume)
        std::abort();
    return 0;
}
