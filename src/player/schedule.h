#pragma once
// The schedule a clip carries at the end of its caption: "Title <start,... flags volume>".
#include <cstdint>
#include <string>

constexpr uint16_t NOT_SET = 65535;

// Player kinds, bits 0-3 of ScheduleRecord::flags.
enum : uint8_t {
    PLAYER_MEDIA = 0,
    PLAYER_MCI = 1,
    PLAYER_WAV = 2,
    PLAYER_EXTERNAL = 3,
};
enum : uint8_t {
    SCH_PLAYER_MASK = 0x0F,
    SCH_PAUSE_MEDIA = 0x10,
    SCH_RANDOM = 0x20,
};

// Laid out like the Win32 SYSTEMTIME so the player code can hand it over as it is.
struct ScheduleTime {
    uint16_t wYear = NOT_SET;
    uint16_t wMonth = NOT_SET;
    uint16_t wDayOfWeek = NOT_SET; // 1 = Sunday ... 7 = Saturday
    uint16_t wDay = NOT_SET;
    uint16_t wHour = NOT_SET;
    uint16_t wMinute = NOT_SET;
    uint16_t wSecond = NOT_SET;
    uint16_t wMilliseconds = NOT_SET;
};

struct ScheduleRecord {
    ScheduleTime start;    // hour, minute, weekday, month, day
    ScheduleTime duration; // hour, minute
    ScheduleTime interval; // hour, minute, day (whole days)
    ScheduleTime stop;     // hour, minute, weekday, month, day
    uint8_t flags = 0;     // player kind and SCH_ bits
    int volume = -1;       // 0-9, -1 = not set
};

// Reads the schedule that begins at the caption's first '<'. True when at least the 15
// time values were read; otherwise `record` holds a fresh record.
bool ParseSchedule(const std::string& caption, ScheduleRecord& record);
// The same test, delivering only the flags and the volume.
bool ParseScheduleFlags(const std::string& caption, uint8_t& flags, int& volume);

// The schedule text without its angle brackets; unset values are written "*".
std::string FormatSchedule(const ScheduleRecord& record);
// The title trimmed, then " <", the schedule text as given, and ">".
std::string ComposeScheduledCaption(const std::string& title, const std::string& scheduleText);

// The caption without its schedule and without trailing white space.
std::string TitleOf(const std::string& caption);
// What menus show: "Title <hh:mm>" when a start time is set, "Title " when none is, and
// the caption unchanged when it holds no schedule.
std::string MenuCaptionOf(const std::string& caption);

// What a caption's menu picture tells about its schedule.
struct ScheduleMarks {
    bool scheduled = false;
    bool startSet = false;    // the character after '<' is not '*'
    bool mediaPlayer = false; // one of the three players rather than the external program
};
ScheduleMarks ScheduleMarksOf(const std::string& caption);
