#pragma once
// The texts of the "Time..." submenu: the current local time in six formats.
#include <string>

#include "platform/clock.h"

constexpr int TIME_FORMAT_COUNT = 6;

// Text of time entry `n` (0..5) for the time `now`; empty for any other n.
// Entry 1 is the 12-hour form "hh:mm AM" / "hh:mm PM".
std::string FormatTimeEntry(int n, const LocalTime& now);

// `pattern` with the time conversions of strftime in the "C" locale (%H %M %S %d %m %y %Y
// %B %b %A %a %I %p %j %%) replaced; other text, and conversions not listed, stay as they
// are. The pattern may come from a language library, so it is never handed to the C library.
// A result of 128 characters or more gives an empty text, as the system's buffer would.
std::string FormatLocalTime(const std::string& pattern, const LocalTime& now);
