#include "key_input_win32.h"

#include <windows.h>

namespace {
void Send(unsigned vk, DWORD flags) {
    // Scan code 0 and no extended-key flag, as applications have always received the
    // paste keystroke from this program.
    keybd_event(static_cast<BYTE>(vk), 0, flags, 0);
}
} // namespace

void Win32KeyInput::KeyDown(unsigned vk) {
    Send(vk, 0);
}

void Win32KeyInput::KeyUp(unsigned vk) {
    Send(vk, KEYEVENTF_KEYUP);
}

bool Win32KeyInput::IsToggled(unsigned vk) const {
    return (GetKeyState(static_cast<int>(vk)) & 1) != 0;
}
