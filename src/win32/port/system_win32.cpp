#include "win32/port/system_win32.h"

#include <windows.h>

#include "win32/handles.h"

void Win32Sound::MessageBeep(uint32_t type) {
    ::MessageBeep(type);
}

ScreenSize Win32Screen::Size() const {
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

unsigned Win32LastError::Get() const {
    return GetLastError();
}

void Win32LastError::Set(unsigned code) {
    SetLastError(code);
}

int Win32MessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
    // No owner: the program's windows are hidden, and the box must show on its own.
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}

bool Win32HotKeys::Register(WindowHandle window, int id, unsigned modifiers, unsigned vk) {
    return RegisterHotKey(ToHwnd(window), id, modifiers, vk) != FALSE;
}

void Win32HotKeys::Unregister(WindowHandle window, int id) {
    UnregisterHotKey(ToHwnd(window), id);
}

bool Win32Timers::Set(WindowHandle window, uintptr_t id, unsigned periodMs) {
    return SetTimer(ToHwnd(window), id, periodMs, nullptr) != 0;
}

void Win32Timers::Kill(WindowHandle window, uintptr_t id) {
    KillTimer(ToHwnd(window), id);
}

ScreenPoint Win32InputState::CursorPos() const {
    POINT pt;
    if (!GetCursorPos(&pt))
        return ScreenPoint{}; // on a locked desktop: nowhere
    return ScreenPoint{pt.x, pt.y};
}

bool Win32InputState::IsKeyDown(unsigned vk) const {
    return (GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) != 0;
}

namespace {
void SendKey(unsigned vk, DWORD flags) {
    // Scan code 0 and no extended-key flag, as applications have always received the
    // paste keystroke from this program.
    keybd_event(static_cast<BYTE>(vk), 0, flags, 0);
}
} // namespace

void Win32KeyInput::KeyDown(unsigned vk) {
    SendKey(vk, 0);
}

void Win32KeyInput::KeyUp(unsigned vk) {
    SendKey(vk, KEYEVENTF_KEYUP);
}

bool Win32KeyInput::IsToggled(unsigned vk) const {
    return (GetKeyState(static_cast<int>(vk)) & 1) != 0;
}
