#pragma once
#include <utility>
#include <vector>

#include "app/service_wnd.h"
#include "fakes/call_log.h"
#include "platform/service_window.h"

// The service's window. Destroying the parent frame destroys the service window, which
// the system announces with WM_DESTROY: here a direct call of OnDestroy.
class FakeServiceWindow final : public IServiceWindow {
public:
    explicit FakeServiceWindow(CallLog& log) : m_log(log) {}

    WindowHandle handle{0x1001}; // none: creation fails
    CServiceWnd* service = nullptr;
    WindowHandle parentSeen = NO_WINDOW;

    WindowHandle CreateServiceWindow(WindowHandle parent) override {
        m_log.Add("create window");
        parentSeen = parent;
        return handle;
    }
    FontHandle CreateMenuFont() override {
        m_log.Add("font");
        return FontHandle{0xF0};
    }
    FontHandle ChooseMenuFont() override { return NO_FONT; } // the user cancels
    // Commands the service sent itself, as (wParam, lParam); the service's dispatcher
    // receives each as the window would pass it on.
    std::vector<std::pair<uintptr_t, intptr_t>> commands;
    void SendCommand(uintptr_t wParam, intptr_t lParam) override {
        commands.emplace_back(wParam, lParam);
        if (service)
            service->OnCommand(wParam, lParam);
    }
    // Posted commands wait in the queue; a test delivers them when it wants.
    std::vector<std::pair<uintptr_t, intptr_t>> posted;
    void PostCommand(uintptr_t wParam, intptr_t lParam) override {
        posted.emplace_back(wParam, lParam);
    }
    void DestroyParent() override {
        m_log.Add("destroy frame");
        if (service)
            service->OnDestroy();
    }

private:
    CallLog& m_log;
};
