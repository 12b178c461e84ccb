#pragma once
#include <functional>
#include <utility>
#include <vector>

#include "platform/viewer_chain.h"

// The chain as the service sees it: what joining answers, and every message passed on.
class FakeViewerChain final : public IViewerChain {
public:
    struct Message {
        WindowHandle to;
        unsigned message;
        uintptr_t wParam;
        intptr_t lParam;
    };
    WindowHandle nextOnJoin{0x2222};
    WindowHandle joined = NO_WINDOW;
    std::vector<std::pair<WindowHandle, WindowHandle>> leaves; // (viewer, next)
    std::vector<Message> forwarded;
    // Runs inside the next Leave: the system waits for the next viewer, and messages sent
    // to the leaving window arrive meanwhile.
    std::function<void()> onLeave;

    WindowHandle Join(WindowHandle viewer) override {
        joined = viewer;
        return nextOnJoin;
    }
    bool Leave(WindowHandle viewer, WindowHandle next) override {
        leaves.emplace_back(viewer, next);
        if (auto nested = std::exchange(onLeave, nullptr))
            nested();
        return true;
    }
    void Forward(WindowHandle next, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        forwarded.push_back({next, message, wParam, lParam});
    }
};
