#include "input_state_win32.h"

#include <windows.h>

ScreenPoint Win32InputState::CursorPos() const {
    POINT pt;
    if (!GetCursorPos(&pt))
        return ScreenPoint{}; // on a locked desktop: nowhere
    return ScreenPoint{pt.x, pt.y};
}

bool Win32InputState::IsKeyDown(unsigned vk) const {
    return (GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) != 0;
}
