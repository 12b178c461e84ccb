#include "ui/time_entries.h"

namespace {
const char* const kFormats[TIME_FORMAT_COUNT] = {
    "%H:%M:%S", "%02d:%02d %s", "%B %d", "%H:%M, %B %d, %Y", "%A, %B %d", "%H:%M, %A, %B %d, %Y",
};
const char* const kMonths[12] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
const char* const kDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday"};
constexpr size_t kBufferSize = 128;

std::string TwoDigits(int value) {
    if (value < 0)
        value = 0;
    std::string s = std::to_string(value % 100);
    return s.size() < 2 ? "0" + s : s;
}

std::string Digits(int value, size_t width) {
    std::string s = std::to_string(value < 0 ? 0 : value);
    while (s.size() < width)
        s.insert(s.begin(), '0');
    return s;
}

int Hour12(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

int DayOfYear(const LocalTime& t) {
    static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    if (t.month < 1 || t.month > 12)
        return 0;
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    return before[t.month - 1] + t.day + (leap && t.month > 2 ? 1 : 0);
}

std::string MonthName(const LocalTime& t) {
    return t.month >= 1 && t.month <= 12 ? kMonths[t.month - 1] : "?";
}

std::string DayName(const LocalTime& t) {
    return t.dayOfWeek >= 0 && t.dayOfWeek <= 6 ? kDays[t.dayOfWeek] : "?";
}

// The expansion of one conversion character; false when it is none we know.
bool Convert(char c, const LocalTime& t, std::string& out) {
    switch (c) {
    case 'H':
        out += TwoDigits(t.hour);
        return true;
    case 'M':
        out += TwoDigits(t.minute);
        return true;
    case 'S':
        out += TwoDigits(t.second);
        return true;
    case 'd':
        out += TwoDigits(t.day);
        return true;
    case 'm':
        out += TwoDigits(t.month);
        return true;
    case 'y':
        out += TwoDigits(t.year % 100);
        return true;
    case 'Y':
        out += std::to_string(t.year);
        return true;
    case 'B':
        out += MonthName(t);
        return true;
    case 'b':
        out += MonthName(t).substr(0, 3);
        return true;
    case 'A':
        out += DayName(t);
        return true;
    case 'a':
        out += DayName(t).substr(0, 3);
        return true;
    case 'I':
        out += TwoDigits(Hour12(t.hour));
        return true;
    case 'p':
        out += t.hour < 12 ? "AM" : "PM";
        return true;
    case 'j':
        out += Digits(DayOfYear(t), 3);
        return true;
    case '%':
        out += '%';
        return true;
    default:
        return false;
    }
}
} // namespace

std::string FormatLocalTime(const std::string& pattern, const LocalTime& now) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && Convert(pattern[i + 1], now, out)) {
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out.size() < kBufferSize ? out : std::string();
}

std::string FormatTimeEntry(int n, const LocalTime& now) {
    if (n < 0 || n >= TIME_FORMAT_COUNT)
        return std::string();
    if (kFormats[n][1] == '0') // the 12-hour format
        return TwoDigits(Hour12(now.hour)) + ":" + TwoDigits(now.minute) +
               (now.hour < 12 ? " AM" : " PM");
    return FormatLocalTime(kFormats[n], now);
}
