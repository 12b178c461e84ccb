#pragma once
// Another running copy of the program, found by the class and title of its main window and
// spoken to with WM_COMMAND messages.
#include <string>

#include "platform/handles.h"

class IRunningCopy {
public:
    virtual ~IRunningCopy() = default;
    // The program's frame with exactly this title; 0 when none. Windows of other classes
    // with the same title do not count.
    virtual WindowHandle Find(const std::string& title) const = 0;
    virtual void BringToFront(WindowHandle window) = 0;
    virtual void PostCommand(WindowHandle window, unsigned command) = 0;
    // Sends the command, then waits until the process that owns `window` has ended, at most
    // `timeoutMs`; true when it has ended. For commands that end the other copy.
    virtual bool SendCommandAndWait(WindowHandle window, unsigned command, unsigned timeoutMs) = 0;
};
