#pragma once
// The shell and processes, as installation needs them.
// Implemented in src/win32/port; tests use tests/fakes/fake_shell.
#include <string>

class IShell {
public:
    virtual ~IShell() = default;
    // The Start menu's programs folder; empty when the system cannot say.
    virtual std::string ProgramsFolder() const = 0;
    // Writes a shell link at `linkPath` (overwriting) that points to `target`.
    virtual bool CreateShortcut(const std::string& target, const std::string& linkPath,
                                const std::string& description) = 0;
    // Starts the executable at `path` without arguments and does not wait for it.
    virtual bool StartProcess(const std::string& path) = 0;
    // Has the file deleted at the next restart of the system.
    virtual bool DeleteOnReboot(const std::string& path) = 0;
};
