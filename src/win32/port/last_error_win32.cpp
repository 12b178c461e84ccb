#include "win32/port/last_error_win32.h"

#include <windows.h>

unsigned Win32LastError::Get() const {
    return GetLastError();
}

void Win32LastError::Set(unsigned code) {
    SetLastError(code);
}
