// The viewer chain and the taskbar icon as the system implements them (the clipboard and the
// hot keys are proven on the user's roads by the end-to-end scripts).
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "handles.h"
#include "port/clipboard_win32.h"
#include "port/system_win32.h"
#include "port/tray_icon_win32.h"
#include "port/viewer_chain_win32.h"
#include "resource.h"

namespace {
// A plain window that records the messages of the clipboard-viewer chain.
class ChainProbe {
public:
    ChainProbe() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &ChainProbe::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QbxChainProbe";
        RegisterClassA(&wc); // a second registration fails harmlessly
        m_hwnd = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                               wc.hInstance, nullptr);
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ChainProbe() { DestroyWindow(m_hwnd); }
    WindowHandle Handle() const { return FromHwnd(m_hwnd); }

    std::vector<UINT> seen;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ChainProbe*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && (msg == WM_DRAWCLIPBOARD || msg == WM_CHANGECBCHAIN)) {
            self->seen.push_back(msg);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    HWND m_hwnd;
};

TEST(ViewerChainPort, JoinPassOnAndLeave) {
    Win32ViewerChain chain;
    ChainProbe first, second;
    const HWND before = GetClipboardViewer();
    const WindowHandle afterFirst = chain.Join(first.Handle());
    EXPECT_EQ(afterFirst, FromHwnd(before));
    EXPECT_EQ(chain.Join(second.Handle()), first.Handle());
    EXPECT_EQ(FromHwnd(GetClipboardViewer()), second.Handle());

    first.seen.clear();
    chain.Forward(first.Handle(), WM_DRAWCLIPBOARD, 0, 0);
    EXPECT_EQ(first.seen, std::vector<UINT>{WM_DRAWCLIPBOARD});

    EXPECT_TRUE(chain.Leave(second.Handle(), first.Handle()));
    EXPECT_EQ(FromHwnd(GetClipboardViewer()), first.Handle());
    EXPECT_TRUE(chain.Leave(first.Handle(), afterFirst));
    EXPECT_EQ(GetClipboardViewer(), before);
}

TEST(TrayIconPort, AddChangeAndRemoveTheIcon) {
    Win32TrayIcon tray;
    ChainProbe window;
    TrayIconData icon;
    icon.hWnd = window.Handle();
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_USER;
    icon.iconId = IDI_NORMAL;
    icon.szTip = std::string(80, 't'); // longer than the record holds
    if (!tray.Add(icon))
        GTEST_SKIP() << "no notification area on this desktop";
    icon.iconId = IDI_PAUSED;
    EXPECT_TRUE(tray.Modify(icon));
    icon.uFlags = 0;
    EXPECT_TRUE(tray.Delete(icon));
    EXPECT_FALSE(tray.Modify(icon)) << "the icon is gone";
}
} // namespace
