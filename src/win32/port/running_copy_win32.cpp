#include "running_copy_win32.h"

#include <windows.h>

#include "win32/class_names.h"
#include "win32/handles.h"

namespace {
// A copy that does not answer within this time is taken as hung; the new copy goes on.
constexpr UINT SEND_TIMEOUT_MS = 30000;
} // namespace

WindowHandle Win32RunningCopy::Find(const std::string& title) const {
    // The class too: any other program may have a window of that title (a file manager
    // open on a folder of that name), and it must not stop this start.
    return FromHwnd(FindWindowA(FRAME_CLASS, title.c_str()));
}

void Win32RunningCopy::BringToFront(WindowHandle window) {
    SetForegroundWindow(ToHwnd(window));
}

void Win32RunningCopy::PostCommand(WindowHandle window, unsigned command) {
    PostMessageA(ToHwnd(window), WM_COMMAND, command, 0);
}

bool Win32RunningCopy::SendCommandAndWait(WindowHandle window, unsigned command,
                                          unsigned timeoutMs) {
    // Take hold of the process first: the window is gone once the command is handled.
    DWORD pid = 0;
    GetWindowThreadProcessId(ToHwnd(window), &pid);
    UniqueKernelHandle process(pid ? OpenProcess(SYNCHRONIZE, FALSE, pid) : nullptr);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(ToHwnd(window), WM_COMMAND, command, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS,
                        &result);
    if (!process)
        return !IsWindow(ToHwnd(window));
    return WaitForSingleObject(process.Get(), timeoutMs) == WAIT_OBJECT_0;
}
