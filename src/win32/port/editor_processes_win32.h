#pragma once
// Editors as processes of their own, each watched by the system's thread pool, which tells
// the service window when one ends: the program never waits for an editor.
#include "platform/editor_processes.h"

class Win32EditorProcesses final : public IEditorProcesses {
public:
    ProcessHandle Start(const std::string& commandLine, WindowHandle notify) override;
    bool HasEnded(ProcessHandle process) const override;
    void Release(ProcessHandle process) override;
};
