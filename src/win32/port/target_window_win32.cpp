#include "target_window_win32.h"

#include <windows.h>

#include "win32/global_block.h"

namespace {
// A target that hangs must not hang the program with it.
constexpr UINT SEND_TIMEOUT_MS = 5000;
} // namespace

Win32TargetWindow::~Win32TargetWindow() {
    ShareInputWith(NO_WINDOW);
}

bool Win32TargetWindow::IsWindow(WindowHandle window) const {
    return window != NO_WINDOW && ::IsWindow(ToHwnd(window)) != FALSE;
}

WindowHandle Win32TargetWindow::TopLevelOf(WindowHandle window) const {
    HWND top = ToHwnd(window);
    while (HWND parent = GetParent(top))
        top = parent;
    return FromHwnd(top);
}

void Win32TargetWindow::BringToFront(WindowHandle window) {
    SetForegroundWindow(ToHwnd(window));
}

void Win32TargetWindow::ShareInputWith(WindowHandle inputOf) {
    const DWORD self = GetCurrentThreadId();
    const DWORD other =
        inputOf != NO_WINDOW ? GetWindowThreadProcessId(ToHwnd(inputOf), nullptr) : 0;
    if (other == m_sharedWith)
        return;
    if (m_sharedWith)
        AttachThreadInput(self, m_sharedWith, FALSE);
    m_sharedWith = 0;
    if (other && other != self && AttachThreadInput(self, other, TRUE))
        m_sharedWith = other;
}

void Win32TargetWindow::SetFocus(WindowHandle window) {
    ::SetFocus(ToHwnd(window));
}

void Win32TargetWindow::SendSetFocus(WindowHandle window) {
    if (window == NO_WINDOW)
        return;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(ToHwnd(window), WM_SETFOCUS, 0, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS,
                        &result);
}

void Win32TargetWindow::SendDropFiles(WindowHandle window, const std::vector<uint8_t>& dropFiles) {
    HWND target = ToHwnd(window);
    DWORD process = 0;
    if (dropFiles.empty() || !GetWindowThreadProcessId(target, &process))
        return;
    UniqueGlobal block = GlobalCopyOf(dropFiles);
    if (!block)
        return;
    DWORD_PTR result = 0;
    const bool delivered =
        SendMessageTimeoutA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block.Get()), 0,
                            SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &result) != 0;
    // A window of this process frees the block itself (DragFinish); so may one that is still
    // busy with it when the wait ended. Another process received its own copy.
    if (process == GetCurrentProcessId() || !delivered)
        block.Release();
}
