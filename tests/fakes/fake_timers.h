#pragma once
#include <map>

#include "platform/timers.h"

// The running timers of the service window and their periods.
class FakeTimers final : public ITimers {
public:
    std::map<uintptr_t, unsigned> running;

    bool Set(WindowHandle, uintptr_t id, unsigned periodMs) override {
        running[id] = periodMs;
        return true;
    }
    void Kill(WindowHandle, uintptr_t id) override { running.erase(id); }
    bool Runs(uintptr_t id) const { return running.count(id) != 0; }
};
