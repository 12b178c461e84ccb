#pragma once
#include "platform/processes.h"

class Win32Processes final : public IProcesses {
public:
    ProcessHandle ShellRun(const std::string& command) override;
    void Terminate(ProcessHandle process) override;
    void Close(ProcessHandle process) override;
};
