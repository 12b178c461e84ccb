#include "win32/port/editor_processes_win32.h"

#include <windows.h>

#include <vector>

#include "resource.h"
#include "store/text_rules.h"
#include "win32/handles.h"

namespace {

struct Watched {
    HANDLE process = nullptr;
    HANDLE wait = nullptr;
    HWND notify = nullptr;
};

// Runs on a thread of the pool once the process has ended.
void CALLBACK OnProcessEnded(PVOID context, BOOLEAN) {
    const auto* watched = static_cast<const Watched*>(context);
    PostMessageA(watched->notify, WM_COMMAND, 0, ID_EDITOR_ENDED);
}

std::u16string Expanded(const std::u16string& text) {
    const auto* in = reinterpret_cast<const wchar_t*>(text.c_str());
    const DWORD needed = ExpandEnvironmentStringsW(in, nullptr, 0);
    if (needed == 0)
        return text;
    std::vector<wchar_t> out(needed + 1);
    if (ExpandEnvironmentStringsW(in, out.data(), needed + 1) == 0)
        return text;
    return std::u16string(reinterpret_cast<const char16_t*>(out.data()));
}

} // namespace

ProcessHandle Win32EditorProcesses::Start(const std::string& commandLine, WindowHandle notify) {
    std::u16string command = Expanded(WidenText(commandLine));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // CreateProcessW may write into the command line.
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(&command[0]), nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startup, &info))
        return 0;
    CloseHandle(info.hThread);
    auto* watched = new Watched;
    watched->process = info.hProcess;
    watched->notify = ToHwnd(notify);
    if (!RegisterWaitForSingleObject(&watched->wait, info.hProcess, OnProcessEnded, watched,
                                     INFINITE, WT_EXECUTEONLYONCE))
        watched->wait = nullptr; // no news of its end: it is taken back at shutdown
    return reinterpret_cast<ProcessHandle>(watched);
}

bool Win32EditorProcesses::HasEnded(ProcessHandle process) const {
    const auto* watched = reinterpret_cast<const Watched*>(process);
    return WaitForSingleObject(watched->process, 0) == WAIT_OBJECT_0;
}

void Win32EditorProcesses::Release(ProcessHandle process) {
    auto* watched = reinterpret_cast<Watched*>(process);
    // Waits for a notification under way, so that none reads the record after this.
    if (watched->wait)
        UnregisterWaitEx(watched->wait, INVALID_HANDLE_VALUE);
    CloseHandle(watched->process);
    delete watched;
}
