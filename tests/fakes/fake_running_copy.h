#pragma once
#include <string>

#include "fakes/call_log.h"
#include "platform/running_copy.h"

// A running copy whose frame is `window` (0: none runs). Commands go to the log as
// "post N" and "send N".
class FakeRunningCopy final : public IRunningCopy {
public:
    explicit FakeRunningCopy(CallLog& log) : m_log(log) {}

    WindowHandle window = NO_WINDOW;
    mutable std::string titleAsked;

    WindowHandle Find(const std::string& title) const override {
        titleAsked = title;
        return window;
    }
    void BringToFront(WindowHandle) override { m_log.Add("front"); }
    void PostCommand(WindowHandle, unsigned command) override {
        m_log.Add("post " + std::to_string(command));
    }
    bool SendCommandAndWait(WindowHandle, unsigned command, unsigned) override {
        m_log.Add("send " + std::to_string(command));
        return true;
    }

private:
    CallLog& m_log;
};
