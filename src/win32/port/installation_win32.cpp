#include "installation_win32.h"

#include <windows.h>

Win32Installation::Win32Installation(const std::string& exePath) : m_exePath(exePath) {}

InstallContext Win32Installation::Context() {
    return InstallContext{m_registry, m_shell, m_lastError, m_exePath};
}

int Win32Installation::CheckInstalledCopy(bool install) {
    return ::CheckInstalledCopy(Context(), install);
}

bool Win32Installation::RegisterInstallation() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ::RegisterInstallation(Context(), CivilDate{now.wYear, now.wMonth, now.wDay});
}

void Win32Installation::SetAutostart(bool enabled) {
    ::SetAutostart(Context(), enabled);
}

void Win32Installation::Uninstall() {
    ::Uninstall(Context());
}

std::string Win32Installation::LastErrorText() const {
    char* text = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, m_lastError.Get(), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result = n && text ? std::string(text, n) : std::string();
    LocalFree(text);
    return result;
}
