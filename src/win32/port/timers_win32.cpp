#include "timers_win32.h"

#include <windows.h>

#include "win32/handles.h"

bool Win32Timers::Set(WindowHandle window, uintptr_t id, unsigned periodMs) {
    return SetTimer(ToHwnd(window), id, periodMs, nullptr) != 0;
}

void Win32Timers::Kill(WindowHandle window, uintptr_t id) {
    KillTimer(ToHwnd(window), id);
}
