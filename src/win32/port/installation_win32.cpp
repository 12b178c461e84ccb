#include "installation_win32.h"

#include <windows.h>

int Win32Installation::CheckInstalledCopy(bool /*install*/) {
    // HOOK(installation): the installation unit's CheckInstalledCopy. Until then nothing
    // counts as registered, so every start is a normal one.
    return INSTALL_NOT_REGISTERED;
}

bool Win32Installation::RegisterInstallation() {
    // HOOK(installation): the installation unit's RegisterInstallation.
    return false;
}

void Win32Installation::Uninstall() {
    // HOOK(installation): the installation unit's Uninstall.
}

std::string Win32Installation::LastErrorText() const {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                   reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result = n && text ? std::string(text, n) : std::string();
    LocalFree(text);
    return result;
}
