#include "clock_win32.h"

#include <windows.h>

#include <ctime>

uint32_t Win32Clock::TickCount() const {
    return GetTickCount();
}

LocalTime Win32Clock::LocalNow() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.dayOfWeek = st.wDayOfWeek;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    return t;
}

int64_t Win32Clock::MakeTime(const LocalTime& t) const {
    std::tm tm = {};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1; // the system decides
    return static_cast<int64_t>(std::mktime(&tm));
}

void Win32Clock::Sleep(uint32_t ms) {
    ::Sleep(ms);
}
