#pragma once
// Another running copy of the program, found by the title of its main window and spoken to
// with WM_COMMAND messages.
#include <string>

#include "platform/handles.h"

class IRunningCopy {
public:
    virtual ~IRunningCopy() = default;
    // The top-level window with exactly this title, of any class; 0 when none.
    virtual WindowHandle Find(const std::string& title) const = 0;
    virtual void BringToFront(WindowHandle window) = 0;
    virtual void PostCommand(WindowHandle window, unsigned command) = 0;
    // Sends the command, then waits until the process that owns `window` has ended, at most
    // `timeoutMs`; true when it has ended. For commands that end the other copy.
    virtual bool SendCommandAndWait(WindowHandle window, unsigned command, unsigned timeoutMs) = 0;
};
