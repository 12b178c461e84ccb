#pragma once
#include "platform/running_copy.h"

class Win32RunningCopy final : public IRunningCopy {
public:
    WindowHandle Find(const std::string& title) const override;
    void BringToFront(WindowHandle window) override;
    void PostCommand(WindowHandle window, unsigned command) override;
    bool SendCommandAndWait(WindowHandle window, unsigned command, unsigned timeoutMs) override;
};
