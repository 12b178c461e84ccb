// The taskbar icon as the system implements it (the clipboard, the viewer chain and the hot
// keys are proven on the user's roads by the end-to-end scripts).
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include "handles.h"
#include "port/tray_icon_win32.h"
#include "resource.h"

namespace {
TEST(TrayIconPort, AddChangeAndRemoveTheIcon) {
    Win32TrayIcon tray;
    HWND window =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    TrayIconData icon;
    icon.hWnd = FromHwnd(window);
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_USER;
    icon.iconId = IDI_NORMAL;
    icon.szTip = std::string(80, 't'); // longer than the record holds
    if (!tray.Add(icon)) {
        DestroyWindow(window);
        GTEST_SKIP() << "no notification area on this desktop";
    }
    icon.iconId = IDI_PAUSED;
    EXPECT_TRUE(tray.Modify(icon));
    icon.uFlags = 0;
    EXPECT_TRUE(tray.Delete(icon));
    EXPECT_FALSE(tray.Modify(icon)) << "the icon is gone";
    DestroyWindow(window);
}
} // namespace
