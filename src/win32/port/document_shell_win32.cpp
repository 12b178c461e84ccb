#include "win32/port/document_shell_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "ui/documents_menu.h"
#include "win32/port/com_scope.h"

namespace {
const wchar_t* Wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

// Results of 32 or less are the shell's error codes.
bool Succeeded(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}
} // namespace

bool Win32DocumentShell::IsFixedDrive(const std::string& root) const {
    return GetDriveTypeA(root.c_str()) == DRIVE_FIXED;
}

bool Win32DocumentShell::FileExists(const std::u16string& path) const {
    return GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES;
}

bool Win32DocumentShell::ResolveShortcut(const std::u16string& linkPath, bool open) {
    ComScope com;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.put()))))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) ||
        FAILED(file->Load(Wide(linkPath), 0)))
        return false;
    char path[MAX_PATH] = "";
    WIN32_FIND_DATAA found = {};
    if (link->GetPath(path, MAX_PATH, &found, SLGP_RAWPATH) != S_OK ||
        (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (GetDriveTypeA(DriveRootOf(path).c_str()) != DRIVE_FIXED)
        return false;
    char shortPath[MAX_PATH] = "";
    if (link->GetPath(shortPath, MAX_PATH, &found, SLGP_SHORTPATH) != S_OK ||
        GetFileAttributesA(shortPath) == INVALID_FILE_ATTRIBUTES)
        return false;
    if (open)
        ShellExecuteA(GetDesktopWindow(), nullptr, shortPath, nullptr, nullptr, SW_SHOWDEFAULT);
    return true;
}

void Win32DocumentShell::Open(const std::u16string& target) {
    ShellExecuteW(GetDesktopWindow(), nullptr, Wide(target), nullptr, nullptr, SW_SHOWDEFAULT);
}

bool Win32DocumentShell::Print(const std::string& path) {
    return Succeeded(
        ShellExecuteA(GetDesktopWindow(), "print", path.c_str(), nullptr, nullptr, SW_HIDE));
}

bool Win32DocumentShell::OpenFile(const std::string& path) {
    const size_t sep = path.find_last_of("\\/");
    const std::string folder = sep == std::string::npos ? std::string() : path.substr(0, sep);
    return Succeeded(ShellExecuteA(GetDesktopWindow(), nullptr, path.c_str(), nullptr,
                                   folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL));
}

bool Win32DocumentShell::Execute(const std::string& file, const std::string& parameters) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NO_CONSOLE | SEE_MASK_FLAG_NO_UI;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_SHOWDEFAULT;
    ShellExecuteExA(&info);
    if (info.hProcess)
        CloseHandle(info.hProcess);
    return Succeeded(info.hInstApp);
}
