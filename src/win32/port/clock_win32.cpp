#include "clock_win32.h"

#include <windows.h>

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

void Win32Clock::Sleep(uint32_t ms) {
    ::Sleep(ms);
}
