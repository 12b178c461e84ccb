#pragma once
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/target_messages.h"
#include "platform/target_window.h"

// Windows that exist (`windows`), their top-level ancestors, and what was done to them, in
// the shared log: "front 0x10", "share 0x10" ("share 0x0" to stop), "focus 0x11",
// "setfocus 0x10", "drop 0x10".
class FakeTargetWindow final : public ITargetWindow, public ITargetMessages {
public:
    explicit FakeTargetWindow(CallLog& log) : m_log(log) {}

    std::set<WindowHandle> windows;
    std::map<WindowHandle, WindowHandle> topLevel; // absent: the window is its own
    std::vector<std::vector<uint8_t>> drops;
    WindowHandle sharedWith = NO_WINDOW;

    bool IsWindow(WindowHandle w) const override { return windows.count(w) != 0; }
    WindowHandle TopLevelOf(WindowHandle w) const override {
        auto it = topLevel.find(w);
        return it == topLevel.end() ? w : it->second;
    }
    void BringToFront(WindowHandle w) override { m_log.Add("front " + Hex(w)); }
    void ShareInputWith(WindowHandle w) override {
        if (w == sharedWith)
            return;
        sharedWith = w;
        m_log.Add("share " + Hex(w));
    }
    void SetFocus(WindowHandle w) override { m_log.Add("focus " + Hex(w)); }
    void SendSetFocus(WindowHandle w) override { m_log.Add("setfocus " + Hex(w)); }
    void SendDropFiles(WindowHandle w, const std::vector<uint8_t>& block) override {
        m_log.Add("drop " + Hex(w));
        drops.push_back(block);
    }

    static std::string Hex(WindowHandle window) {
        std::ostringstream s;
        s << "0x" << std::hex << static_cast<uintptr_t>(window);
        return s.str();
    }

private:
    CallLog& m_log;
};
