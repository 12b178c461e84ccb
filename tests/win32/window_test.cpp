// The window base class: no exception leaves the window procedure, and the handle follows
// the window's life (that the object hears its window's messages from the first on, every
// window of the end-to-end scripts shows).
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "resource.h"
#include "window.h"

namespace {
constexpr const char* kProbeClass = "QbxTestProbe";

class ProbeWindow final : public CWindow {
public:
    bool ncDestroyed = false;
    bool failCreate = false;
    bool throwOnApp = false;

    ~ProbeWindow() override {
        if (Handle())
            DestroyWindow(Handle());
    }
    bool CreateAsDialog() { return CreateDialogObject(IDD_HOT_WINDOW, nullptr); }
    bool Create() {
        if (!RegisterWindowClass(kProbeClass))
            return false;
        const RECT rect = {0, 0, 200, 100};
        return CreateWindowObject(0, kProbeClass, "probe", WS_OVERLAPPEDWINDOW, rect, nullptr,
                                  nullptr);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        ncDestroyed |= msg == WM_NCDESTROY;
        switch (msg) {
        case WM_CREATE:
            return failCreate ? -1 : 0;
        case WM_APP:
            if (throwOnApp)
                throw std::runtime_error("handler failed");
            return 42;
        default:
            return DefaultProc(msg, wParam, lParam);
        }
    }
};

// A window's handler and a dialog's (answered by the dialog manager's default).
TEST(Window, AnExceptionInAHandlerStaysInsideTheWindowProcedure) {
    for (bool dialog : {false, true}) {
        SCOPED_TRACE(dialog ? "dialog" : "window");
        ProbeWindow probe;
        ASSERT_TRUE(dialog ? probe.CreateAsDialog() : probe.Create());
        probe.throwOnApp = true;
        LRESULT result = 1;
        EXPECT_NO_THROW(result = SendMessageA(probe.Handle(), WM_APP, 0, 0));
        EXPECT_EQ(result, 0) << "default processing answers instead";
        EXPECT_TRUE(IsWindow(probe.Handle()));
        probe.throwOnApp = false;
        EXPECT_EQ(SendMessageA(probe.Handle(), WM_APP, 0, 0), 42);
        DestroyWindow(probe.Handle());
        EXPECT_EQ(probe.Handle(), nullptr);
    }
}

TEST(Window, AFailedCreateLeavesNoHandle) {
    ProbeWindow probe;
    probe.failCreate = true;
    EXPECT_FALSE(probe.Create());
    EXPECT_EQ(probe.Handle(), nullptr);
    EXPECT_TRUE(probe.ncDestroyed) << "destroyed after the failure";
}
} // namespace
