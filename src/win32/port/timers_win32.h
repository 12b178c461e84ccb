#pragma once
#include "platform/timers.h"

class Win32Timers final : public ITimers {
public:
    bool Set(WindowHandle window, uintptr_t id, unsigned periodMs) override;
    void Kill(WindowHandle window, uintptr_t id) override;
};
