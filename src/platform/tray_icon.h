#pragma once
// The program's icon in the notification area of the taskbar.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/handles.h"

// The tip's characters that the icon record holds (without the terminating NUL).
constexpr size_t TRAY_TIP_MAX = 63;

// The taskbar icon as the system's icon record (its 88-byte form) carries it.
struct TrayIconData {
    uint32_t cbSize = 88;
    WindowHandle hWnd = NO_WINDOW;
    uint32_t uID = 128;
    uint32_t uFlags = 0;           // NIF_MESSAGE | NIF_ICON | NIF_TIP
    uint32_t uCallbackMessage = 0; // sent to hWnd with wParam = uID, lParam = mouse message
    unsigned iconId = 153;         // icon resource; the Win32 side loads it
    std::string szTip;             // at most TRAY_TIP_MAX characters
};

class ITrayIcon {
public:
    virtual ~ITrayIcon() = default;
    virtual bool Add(const TrayIconData& icon) = 0;
    virtual bool Modify(const TrayIconData& icon) = 0;
    virtual bool Delete(const TrayIconData& icon) = 0;
};
