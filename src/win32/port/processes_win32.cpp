#include "processes_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "store/text_rules.h"

namespace {

HANDLE Execute(const std::u16string& file, const std::u16string& parameters) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NO_CONSOLE | SEE_MASK_FLAG_NO_UI;
    info.lpFile = reinterpret_cast<const wchar_t*>(file.c_str());
    info.lpParameters =
        parameters.empty() ? nullptr : reinterpret_cast<const wchar_t*>(parameters.c_str());
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info) || reinterpret_cast<INT_PTR>(info.hInstApp) <= 32)
        return nullptr;
    return info.hProcess;
}

} // namespace

ProcessHandle Win32Processes::ShellRun(const std::string& command) {
    if (command.empty())
        return 0;
    const std::u16string wide = WidenText(command);
    HANDLE process = Execute(wide, std::u16string());
    if (!process) {
        // A command line with arguments: the program (quoted or up to the first blank),
        // then its parameters.
        size_t end = 0;
        std::u16string file;
        if (wide[0] == u'"') {
            end = wide.find(u'"', 1);
            file = wide.substr(1, end == std::u16string::npos ? end : end - 1);
            end = end == std::u16string::npos ? wide.size() : end + 1;
        } else {
            end = wide.find(u' ');
            if (end == std::u16string::npos)
                return 0;
            file = wide.substr(0, end);
        }
        const size_t params = wide.find_first_not_of(u' ', end);
        process =
            Execute(file, params == std::u16string::npos ? std::u16string() : wide.substr(params));
    }
    return reinterpret_cast<ProcessHandle>(process);
}

void Win32Processes::Terminate(ProcessHandle process) {
    TerminateProcess(reinterpret_cast<HANDLE>(process), 0);
}

void Win32Processes::Close(ProcessHandle process) {
    CloseHandle(reinterpret_cast<HANDLE>(process));
}
