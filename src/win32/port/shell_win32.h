#pragma once
// Shell links, the programs folder, process start and delayed deletion through Win32.
#include "platform/shell.h"

class Win32Shell : public IShell {
public:
    std::string ProgramsFolder() const override;
    bool CreateShortcut(const std::string& target, const std::string& linkPath,
                        const std::string& description) override;
    bool StartProcess(const std::string& path) override;
    bool DeleteOnReboot(const std::string& path) override;
};
