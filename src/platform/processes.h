#pragma once
// Commands run through the shell, for the external player: a document opens in its
// program, a program runs as itself, an address opens in the browser.
#include <cstdint>
#include <string>

using ProcessHandle = uintptr_t; // 0 = none

class IProcesses {
public:
    virtual ~IProcesses() = default;
    // Runs `command` as the shell's file; the process, or 0 when the shell could not run it
    // (or it started no process of its own).
    virtual ProcessHandle ShellRun(const std::string& command) = 0;
    // Ends the process with exit code 0 (nothing when it has ended already).
    virtual void Terminate(ProcessHandle process) = 0;
    // Lets go of the handle.
    virtual void Close(ProcessHandle process) = 0;
};
