#include "hot_keys_win32.h"

#include <windows.h>

#include "win32/handles.h"

bool Win32HotKeys::Register(WindowHandle window, int id, unsigned modifiers, unsigned vk) {
    return RegisterHotKey(ToHwnd(window), id, modifiers, vk) != FALSE;
}

void Win32HotKeys::Unregister(WindowHandle window, int id) {
    UnregisterHotKey(ToHwnd(window), id);
}
