#pragma once
// Editors started on an item's temporary file, watched until they end.
// Implemented in src/win32/port; tests use tests/fakes/fake_editor_processes.
#include <string>

#include "platform/handles.h"
#include "platform/processes.h"

class IEditorProcesses {
public:
    virtual ~IEditorProcesses() = default;
    // Starts the command line as a new process, environment variables written as %NAME%
    // expanded. When the process ends, `notify` receives WM_COMMAND with wParam 0 and lParam
    // ID_EDITOR_ENDED. 0 when it cannot be started.
    virtual ProcessHandle Start(const std::string& commandLine, WindowHandle notify) = 0;
    virtual bool HasEnded(ProcessHandle process) const = 0;
    // Stops watching the process and lets go of it; the process itself may run on.
    virtual void Release(ProcessHandle process) = 0;
};
