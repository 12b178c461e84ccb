#include "sound_win32.h"

#include <windows.h>

void Win32Sound::MessageBeep(uint32_t type) {
    ::MessageBeep(type);
}
