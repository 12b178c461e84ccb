#pragma once
// The service: holder of everything the running program knows, from start-up to shutdown.
// The Win32 service window hosts it and forwards its messages to these handlers; the units
// of capture, menus, paste, commands, hot keys and preferences work on its members.
#include <cstdint>
#include <string>

#include "platform/handles.h"
#include "store/clip_item.h"
#include "store/language.h"
#include "store/preferences.h"

class IServiceWindow;
class IFocus;
class IMessageBox;
class IInstallation;
class ICollectionStore;
class ILanguageLoader;
class CHotWnd;
class CMainMenu;
class CCamera;

// Run-time state bits of m_dwState (never persisted).
enum : uint32_t {
    ST_VIEWER_ON = 1u << 24, // capture armed
    ST_BUSY = 1u << 25,      // the program's own clipboard or collection work, or a modal dialog
    ST_UNINSTALL = 1u << 26, // uninstall instead of saving at shutdown
    ST_PAUSED = 1u << 28,
};

// m_hWndNextViewer before the window has joined the clipboard-viewer chain.
constexpr WindowHandle NO_NEXT_VIEWER = 0xFFFF;

struct ScreenPoint {
    int32_t x = -1;
    int32_t y = -1;
};

// The taskbar icon as the system's icon record (its 88-byte form) carries it.
struct TrayIconData {
    uint32_t cbSize = 88;
    WindowHandle hWnd = 0;
    uint32_t uID = 128;
    uint32_t uFlags = 0;           // NIF_MESSAGE | NIF_ICON | NIF_TIP, set by CServiceWnd
    uint32_t uCallbackMessage = 0; // WM_USER, set by CServiceWnd
    unsigned iconId = 153;         // icon resource; the Win32 side loads it
    std::string szTip;             // at most 63 characters
};

// The ports the service and its units use. Every one must outlive the service.
struct ServicePorts {
    IServiceWindow& window;
    IFocus& focus;
    IMessageBox& messages;
    IInstallation& installation;
    ICollectionStore& store;
    ILanguageLoader& languages;
};

// Answer of the autostart check at start-up: autostart is disabled.
extern bool g_bAutostartDisabled;

class CServiceWnd : public CPreferences {
public:
    // `screenWidth` places the hot window; `tickNow` starts the capture gate stamps.
    CServiceWnd(const ServicePorts& ports, int screenWidth, uint32_t tickNow);
    ~CServiceWnd();
    CServiceWnd(const CServiceWnd&) = delete;
    CServiceWnd& operator=(const CServiceWnd&) = delete;

    // Start-up: creates the window as child of `parent` and brings everything up.
    bool Create(WindowHandle parent);
    // The "Close" command: releases what hangs on the window, then destroys the frame.
    void Close();
    // A second copy asks this one to uninstall the program.
    void OnUninstallRequest();
    // WM_DESTROY: saves (or uninstalls) and releases everything. Runs once.
    void OnDestroy();
    // Remembers the foreground window and its focus as the paste target.
    void RememberTarget();

    WindowHandle GetSafeHwnd() const { return m_hWnd; }
    WindowHandle GetParentFrame() const { return m_hWndParent; }
    const ServicePorts& Ports() const { return m_ports; }

public:
    uint32_t m_dwState = 0;
    ClipList m_activeList;
    ClipList m_collectionList;
    CHotWnd* m_pHotWnd = nullptr; // owned; made by the hot window unit
    FontHandle m_font = 0;
    CLanguageLibrary m_hLangDll; // the loaded language library, if any
    MenuHandle m_hTrackedMenu = 0;
    MenuHandle m_hSelMenu = 0;
    int32_t m_nSelId = -1;
    int32_t m_nSelEntryId = -1;
    CClipItem* m_pSelItem = nullptr;
    CClipItem* m_pDragItem = nullptr;
    std::string m_strSelPath;
    int32_t m_nMenuRowHeight = 0;
    int32_t m_nPendingCmd = 0;
    uint8_t m_bTrayHoverArmed = 1;
    uint8_t m_bAppMenu = 0;
    ScreenPoint m_ptMenu;
    int32_t m_nLastMinute = -1;
    WindowHandle m_hWndNextViewer = NO_NEXT_VIEWER;
    WindowHandle m_hWndTarget = 0;
    WindowHandle m_hWndTargetFocus = 0;
    CMainMenu* m_pMainMenu = nullptr;
    int32_t m_nQueuedCmd = 0;
    TrayIconData m_nid;
    CCamera* m_pCameraDlg = nullptr;
    PixelRect m_rcCamera;
    uint16_t m_nCameraFlags = 3;
    uint32_t m_dwLastFilesTick;
    uint32_t m_dwLastTextTick;
    uint32_t m_dwLastBitmapTick;

private:
    ServicePorts m_ports;
    WindowHandle m_hWnd = 0;
    WindowHandle m_hWndParent = 0;
};
