// The window base class: the object hears its window's first messages, no exception leaves
// the window procedure, and the handle follows the window's life.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "resource.h"
#include "window.h"

namespace {
constexpr const char* kProbeClass = "QbxTestProbe";

class ProbeWindow final : public CWindow {
public:
    std::vector<UINT> seen;
    HWND handleAtCreate = nullptr;
    bool failCreate = false;
    bool throwOnUser = false;

    ~ProbeWindow() override {
        if (Handle())
            DestroyWindow(Handle());
    }
    bool Create() {
        if (!RegisterWindowClass(kProbeClass))
            return false;
        const RECT rect = {0, 0, 200, 100};
        return CreateWindowObject(0, kProbeClass, "probe", WS_OVERLAPPEDWINDOW, rect, nullptr,
                                  nullptr);
    }
    size_t Position(UINT msg) const {
        return static_cast<size_t>(std::find(seen.begin(), seen.end(), msg) - seen.begin());
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        switch (msg) {
        case WM_CREATE:
            handleAtCreate = Handle();
            return failCreate ? -1 : 0;
        case WM_USER:
            if (throwOnUser)
                throw std::runtime_error("handler failed");
            return 42;
        default:
            return DefaultProc(msg, wParam, lParam);
        }
    }
};

TEST(Window, TheObjectHearsEveryMessageFromNcCreateOn) {
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create());
    ASSERT_NE(probe.Handle(), nullptr);
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front(), static_cast<UINT>(WM_NCCREATE));
    // WM_NCCALCSIZE comes between WM_NCCREATE and WM_CREATE.
    EXPECT_LT(probe.Position(WM_NCCALCSIZE), probe.Position(WM_CREATE));
    EXPECT_EQ(probe.handleAtCreate, probe.Handle());
    EXPECT_EQ(SendMessageA(probe.Handle(), WM_USER, 0, 0), 42);
}

TEST(Window, AnExceptionInAHandlerStaysInsideTheWindowProcedure) {
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create());
    probe.throwOnUser = true;
    LRESULT result = 1;
    EXPECT_NO_THROW(result = SendMessageA(probe.Handle(), WM_USER, 0, 0));
    EXPECT_EQ(result, 0) << "default processing answers instead";
    EXPECT_TRUE(IsWindow(probe.Handle()));
    probe.throwOnUser = false;
    EXPECT_EQ(SendMessageA(probe.Handle(), WM_USER, 0, 0), 42);
}

TEST(Window, AFailedCreateLeavesNoHandle) {
    ProbeWindow probe;
    probe.failCreate = true;
    EXPECT_FALSE(probe.Create());
    EXPECT_EQ(probe.Handle(), nullptr);
    EXPECT_LT(probe.Position(WM_NCDESTROY), probe.seen.size()) << "destroyed after the failure";
}

TEST(Window, TheHandleEndsWithTheWindowAndTheWindowWithTheObject) {
    HWND hwnd = nullptr;
    {
        ProbeWindow probe;
        ASSERT_TRUE(probe.Create());
        hwnd = probe.Handle();
        DestroyWindow(hwnd);
        EXPECT_EQ(probe.Handle(), nullptr);
        EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_NCDESTROY));
        ASSERT_TRUE(probe.Create()) << "the object can make a new window";
        hwnd = probe.Handle();
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

// A dialog of the program's template 103 served by the same base.
class ProbeDialog final : public CWindow {
public:
    std::vector<UINT> seen;
    HWND handleAtInit = nullptr;
    bool endAtInit = false;
    bool Create() { return CreateDialogObject(IDD_HOT_WINDOW, nullptr); }
    INT_PTR Run() { return RunModalDialog(IDD_HOT_WINDOW, nullptr); }
    ~ProbeDialog() override {
        if (Handle())
            DestroyWindow(Handle());
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        switch (msg) {
        case WM_INITDIALOG:
            handleAtInit = Handle();
            if (endAtInit)
                PostMessageA(Handle(), WM_APP + 1, 0, 0);
            return FALSE;
        case WM_APP:
            throw std::runtime_error("handler failed");
        case WM_APP + 1:
            EndDialog(Handle(), 7);
            return 0;
        case WM_NCHITTEST: { // the manager's answer, then changed
            const LRESULT r = DefaultProc(msg, wParam, lParam);
            return r == HTCLIENT ? HTCAPTION : r;
        }
        default:
            return DefaultProc(msg, wParam, lParam);
        }
    }
};

TEST(Window, DialogsAnswerThroughTheBaseAndTheManagersDefaultRunsOnce) {
    ProbeDialog probe;
    ASSERT_TRUE(probe.Create());
    EXPECT_EQ(probe.handleAtInit, probe.Handle());
    SetWindowPos(probe.Handle(), nullptr, 10, 10, 50, 50, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(SendMessageA(probe.Handle(), WM_NCHITTEST, 0, MAKELPARAM(30, 30)), HTCAPTION);
    EXPECT_EQ(std::count(probe.seen.begin(), probe.seen.end(), UINT(WM_NCHITTEST)), 1);
    LRESULT result = 1;
    EXPECT_NO_THROW(result = SendMessageA(probe.Handle(), WM_APP, 0, 0));
    EXPECT_EQ(result, 0) << "the manager's default answers a failed handler";
    DestroyWindow(probe.Handle());
    EXPECT_EQ(probe.Handle(), nullptr);

    ProbeDialog modal;
    modal.endAtInit = true;
    EXPECT_EQ(modal.Run(), 7);
    EXPECT_EQ(modal.Handle(), nullptr);
}
} // namespace
