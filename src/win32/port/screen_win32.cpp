#include "win32/port/screen_win32.h"

#include <windows.h>

ScreenSize Win32Screen::Size() const {
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}
