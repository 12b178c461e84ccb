#pragma once
// Window timers: WM_TIMER with the timer's id to the window, every period.
#include <cstdint>

#include "platform/handles.h"

class ITimers {
public:
    virtual ~ITimers() = default;
    // Starts the timer, or restarts it with the new period when it runs.
    virtual bool Set(WindowHandle window, uintptr_t id, unsigned periodMs) = 0;
    virtual void Kill(WindowHandle window, uintptr_t id) = 0;
};
