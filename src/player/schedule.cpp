#include "player/schedule.h"

#include "player/scan_format.h"
#include "store/trim.h"

namespace {

const char kScheduleFormat[] =
    "<%02d:%02d,%d,%d,%d %02d:%02d %02d:%02d,%d %02d:%02d,%d,%d,%d %02X%d>";
constexpr int kTimeValues = 15;
constexpr int kAllValues = 17;

// White space as isspace knows it in the "C" locale.
const char kSpaces[] = " \t\n\v\f\r";

// The 15 time fields in the order the schedule text lists them.
template <typename Record, typename Field> void ForEachTimeField(Record& r, Field&& field) {
    field(r.start.wHour, 2);
    field(r.start.wMinute, 2);
    field(r.start.wDayOfWeek, 0);
    field(r.start.wMonth, 0);
    field(r.start.wDay, 0);
    field(r.duration.wHour, 2);
    field(r.duration.wMinute, 2);
    field(r.interval.wHour, 2);
    field(r.interval.wMinute, 2);
    field(r.interval.wDay, 0);
    field(r.stop.wHour, 2);
    field(r.stop.wMinute, 2);
    field(r.stop.wDayOfWeek, 0);
    field(r.stop.wMonth, 0);
    field(r.stop.wDay, 0);
}

// Fills `record` from the caption; false (and a fresh record) when it holds no schedule.
bool Decode(const std::string& caption, ScheduleRecord& record) {
    record = ScheduleRecord();
    const size_t open = caption.find('<');
    if (open == std::string::npos)
        return false;
    std::string text;
    text.reserve(caption.size() - open + 16);
    for (size_t i = open; i < caption.size(); ++i) {
        if (caption[i] == '*')
            text += "-1";
        else
            text += caption[i];
    }
    int32_t values[kAllValues];
    const int read = ScanValues(text, kScheduleFormat, values, kAllValues);
    if (read < kTimeValues)
        return false;
    int i = 0;
    ForEachTimeField(record, [&](uint16_t& field, int) {
        field = static_cast<uint16_t>(values[i++]); // -1 becomes NOT_SET
    });
    if (read > kTimeValues)
        record.flags = static_cast<uint8_t>(values[kTimeValues]);
    if (read > kTimeValues + 1)
        record.volume = values[kTimeValues + 1];
    return true;
}

std::string Number(uint16_t value, int minDigits) {
    if (value == NOT_SET)
        return "*";
    std::string s = std::to_string(value);
    if (s.size() < static_cast<size_t>(minDigits))
        s.insert(0, static_cast<size_t>(minDigits) - s.size(), '0');
    return s;
}

} // namespace

bool ParseSchedule(const std::string& caption, ScheduleRecord& record) {
    return Decode(caption, record);
}

bool ParseScheduleFlags(const std::string& caption, uint8_t& flags, int& volume) {
    ScheduleRecord record;
    const bool ok = Decode(caption, record);
    flags = record.flags;
    volume = record.volume;
    return ok;
}

std::string FormatSchedule(const ScheduleRecord& record) {
    // Separators between the 15 time values: "hh:mm,d,m,d hh:mm hh:mm,d hh:mm,d,m,d".
    static const char kAfter[kTimeValues] = {':', ',', ',', ',', ' ', ':', ' ', ':',
                                             ',', ' ', ':', ',', ',', ',', ' '};
    std::string text;
    int i = 0;
    ForEachTimeField(record, [&](const uint16_t& field, int digits) {
        text += Number(field, digits);
        text += kAfter[i++];
    });
    static const char kHex[] = "0123456789ABCDEF";
    text += kHex[record.flags >> 4];
    text += kHex[record.flags & 0x0F];
    // One digit for the volumes the dialog writes; a hand-typed larger one stays readable.
    if (record.volume != -1)
        text += std::to_string(record.volume);
    return text;
}

std::string ComposeScheduledCaption(const std::string& title, const std::string& scheduleText) {
    return Trim(title, kSpaces) + " <" + scheduleText + ">";
}

std::string TitleOf(const std::string& caption) {
    ScheduleRecord record;
    if (Decode(caption, record))
        return TrimRight(caption.substr(0, caption.find('<')), kSpaces);
    return TrimRight(caption, kSpaces);
}

std::string MenuCaptionOf(const std::string& caption) {
    ScheduleRecord record;
    if (!Decode(caption, record))
        return caption;
    const size_t open = caption.find('<');
    if (open + 1 < caption.size() && caption[open + 1] == '*')
        return caption.substr(0, open);
    return caption.substr(0, open + 6) + ">";
}

ScheduleMarks ScheduleMarksOf(const std::string& caption) {
    ScheduleMarks marks;
    ScheduleRecord record;
    if (!Decode(caption, record))
        return marks;
    const size_t open = caption.find('<');
    marks.scheduled = true;
    marks.startSet = !(open + 1 < caption.size() && caption[open + 1] == '*');
    marks.mediaPlayer = (record.flags & SCH_PLAYER_MASK) < PLAYER_EXTERNAL;
    return marks;
}
