#include "win32/port/shell_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "win32/port/com_scope.h"

namespace {

std::wstring Widen(const std::string& s) {
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], n);
    w.resize(static_cast<size_t>(n - 1));
    return w;
}

} // namespace

std::string Win32Shell::ProgramsFolder() const {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

bool Win32Shell::CreateShortcut(const std::string& target, const std::string& linkPath,
                                const std::string& description) {
    ComScope com;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.put()))))
        return false;
    if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetDescription(description.c_str())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))))
        return false;
    return SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

bool Win32Shell::StartProcess(const std::string& path) {
    // The command line names the program only (quoted, since the path may hold blanks).
    std::string cmd = "\"" + path + "\"";
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool Win32Shell::DeleteOnReboot(const std::string& path) {
    return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}
