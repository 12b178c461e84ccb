// The Win32 side of capture and hot keys: the clipboard, the viewer chain, hot keys and the
// taskbar icon as the system implements them.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "handles.h"
#include "port/clipboard_win32.h"
#include "port/hot_keys_win32.h"
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

TEST(ClipboardPort, WhatIsPutOnItIsReadBackAndFormatNamesIgnoreCase) {
    Win32Clipboard clipboard;
    ChainProbe owner;
    const std::vector<uint8_t> data = {'c', 'u', 't', 0, 0xFF, 0x01};
    const unsigned custom = clipboard.RegisterFormat("Quillbox Test Format");
    ASSERT_NE(custom, 0u);
    ASSERT_TRUE(clipboard.Open(owner.Handle()));
    EXPECT_TRUE(clipboard.Empty());
    EXPECT_TRUE(clipboard.SetData(custom, data));
    std::vector<uint8_t> back;
    EXPECT_TRUE(clipboard.GetData(custom, back));
    clipboard.Close();

    ASSERT_GE(back.size(), data.size());
    EXPECT_EQ(std::vector<uint8_t>(back.begin(), back.begin() + data.size()), data);
    EXPECT_TRUE(clipboard.IsFormatAvailable(custom));
    EXPECT_FALSE(clipboard.IsFormatAvailable(CF_DIB));

    // The program registers "HTML format"; Windows and Wine name the format "HTML Format".
    EXPECT_EQ(clipboard.RegisterFormat("HTML format"), clipboard.RegisterFormat("HTML Format"));
    EXPECT_EQ(clipboard.RegisterFormat("Quillbox TEST format"), custom);
}

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

TEST(HotKeysPort, ACombinationHeldByAnotherWindowIsRefusedUntilReleased) {
    Win32HotKeys keys;
    ChainProbe holder, other;
    const unsigned mods = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
    ASSERT_TRUE(keys.Register(holder.Handle(), 7, mods, VK_F12));
    EXPECT_FALSE(keys.Register(other.Handle(), 7, mods, VK_F12));
    keys.Unregister(holder.Handle(), 7);
    EXPECT_TRUE(keys.Register(other.Handle(), 7, mods, VK_F12));
    keys.Unregister(other.Handle(), 7);
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
