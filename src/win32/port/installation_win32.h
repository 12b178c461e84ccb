#pragma once
// The installation of the running executable, with the system's registry and shell.
#include "app/install_port.h"
#include "win32/port/system_win32.h"
#include "win32/port/registry_win32.h"
#include "win32/port/shell_win32.h"

class Win32Installation final : public IInstallation {
public:
    // `exePath`: the running executable as the program names it (ProgramPath).
    explicit Win32Installation(const std::string& exePath);

    int CheckInstalledCopy(bool install) override;
    bool RegisterInstallation() override;
    void Uninstall() override;
    void SetAutostart(bool enabled) override;
    std::string LastErrorText() const override;

private:
    InstallContext Context();

    Win32Registry m_registry;
    Win32Shell m_shell;
    Win32LastError m_lastError;
    std::string m_exePath;
};
