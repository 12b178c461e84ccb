#include "focus_win32.h"

#include <windows.h>

#include <vector>

#include "win32/handles.h"

WindowHandle Win32Focus::ForegroundWindow() const {
    return FromHwnd(GetForegroundWindow());
}

std::string Win32Focus::TopLevelClassName(WindowHandle window) const {
    HWND top = ToHwnd(window);
    while (HWND parent = GetParent(top))
        top = parent;
    std::vector<char> name(257, '\0'); // class names have at most 256 characters
    int n = GetClassNameA(top, name.data(), static_cast<int>(name.size()));
    return n > 0 ? std::string(name.data(), static_cast<size_t>(n)) : std::string();
}

WindowHandle Win32Focus::FocusWindowOf(WindowHandle window) const {
    // GetFocus answers only for the calling thread's input state; borrow the target's.
    const DWORD self = GetCurrentThreadId();
    const DWORD other = GetWindowThreadProcessId(ToHwnd(window), nullptr);
    if (!other)
        return NO_WINDOW;
    if (other == self)
        return FromHwnd(GetFocus());
    if (!AttachThreadInput(self, other, TRUE))
        return NO_WINDOW;
    HWND focus = GetFocus();
    AttachThreadInput(self, other, FALSE);
    return FromHwnd(focus);
}
