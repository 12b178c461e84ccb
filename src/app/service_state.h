#pragma once
// The running state of the service, as its units share it: the preferences, the collections,
// the open menus' highlight, the paste target, the taskbar icon's record and the capture
// gate. CServiceWnd holds it; each unit works on it with its own ports.
#include <cstdint>
#include <string>

#include "platform/handles.h"
#include "platform/system.h"
#include "platform/tray_icon.h"
#include "store/clip_item.h"
#include "store/language.h"
#include "store/preferences.h"

class CMainMenu;
class CScheduler;
class IScheduleEditor;
class CItemEdits;
class IAboutBox;

// Run-time state bits of m_dwState (never persisted).
enum : uint32_t {
    ST_VIEWER_ON = 1u << 24, // capture armed
    ST_BUSY = 1u << 25,      // the program's own clipboard or collection work, or a modal dialog
    ST_UNINSTALL = 1u << 26, // uninstall instead of saving at shutdown
    ST_PAUSED = 1u << 28,
};

// m_hWndNextViewer before the window has joined the clipboard-viewer chain.
constexpr WindowHandle NO_NEXT_VIEWER{0xFFFF};

// Ids of the hot keys registered on the service window.
enum : int {
    HOTKEY_ALT_SHIFT_INS = 1,
    HOTKEY_CTRL_SHIFT = 2, // Ctrl+Shift+Insert or Ctrl+Shift+V
    HOTKEY_USER = 3,
    HOTKEY_SUPER_FIRST = 4, // 4, 5, 6: the first three items
    HOTKEY_SUPER_LAST = 6,
};

// Ids of the service window's timers (the players' timers use handles as ids).
enum : uintptr_t {
    TIMER_MOUSE_AT_TOP = 1,
    TIMER_TRAY_HOVER = 2,
    TIMER_LOOK_AGAIN = 3, // one-shot: a cut that could not be read at its notification
    TIMER_SCHEDULER = 4,
    TIMER_FINISH_EDITS = 5, // one-shot: an ended edit waits for the menus and dialogs to close
};
constexpr unsigned MOUSE_AT_TOP_PERIOD_MS = 400;
constexpr unsigned TRAY_HOVER_PERIOD_MS = 300;
constexpr unsigned SCHEDULER_PERIOD_MS = 2000;
constexpr unsigned FINISH_EDITS_RETRY_MS = 500;

// The taskbar icon's id and the message by which it reports the mouse.
constexpr uint32_t TRAY_ICON_ID = 128;

struct ServiceState : CPreferences {
    // `screenWidth` places the hot window; `tickNow` starts the capture gate stamps.
    ServiceState(int screenWidth, uint32_t tickNow);

    WindowHandle m_hWnd = NO_WINDOW; // the service window once created; none after shutdown
    WindowHandle m_hWndParent = NO_WINDOW;
    uint32_t m_dwState = 0;
    ClipList m_activeList;
    ClipList m_collectionList;
    FontHandle m_font = NO_FONT;
    CLanguageLibrary m_hLangDll; // the loaded language library, if any
    // The open menus: the context popup while tracked, the highlight the drawing and
    // WM_MENUSELECT report, the command chosen in a context menu or queued by a letter.
    MenuHandle m_hTrackedMenu = NO_MENU;
    MenuHandle m_hSelMenu = NO_MENU;
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
    WindowHandle m_hWndTarget = NO_WINDOW;
    WindowHandle m_hWndTargetFocus = NO_WINDOW;
    CMainMenu* m_pMainMenu = nullptr;
    int32_t m_nQueuedCmd = 0;
    TrayIconData m_nid;
    // The scheduler and the Schedule dialog; set by the host before Create, null when the
    // program runs without players.
    CScheduler* m_pScheduler = nullptr;
    IScheduleEditor* m_pScheduleEditor = nullptr;
    // Items open in their editors, and the About box; set by the host before Create, null
    // when the program runs without them.
    CItemEdits* m_pItemEdits = nullptr;
    IAboutBox* m_pAboutBox = nullptr;
    PixelRect m_rcCamera; // empty: the Camera opens at its default place
    uint16_t m_nCameraFlags = 3;
    // The capture gate: when each category was last checked, and the clipboard's sequence
    // number when it was last looked at whole (0: none known). A paste sets them so that
    // capture does not take the program's own clipboard change for a cut.
    uint32_t m_dwLastFilesTick;
    uint32_t m_dwLastTextTick;
    uint32_t m_dwLastBitmapTick;
    uint32_t m_dwLookedSequence = 0;
};

// Shows that the program's own work is under way: on the taskbar icon and the hot window.
class IBusyIndicator {
public:
    virtual ~IBusyIndicator() = default;
    virtual void SetBusy(bool busy) = 0;
};

// Cuts made while a menu is open, and until its chosen entry has been dispatched, wait
// (see Capture): the menu's entries point at items.
class ICutHold {
public:
    virtual ~ICutHold() = default;
    virtual void HoldCuts() = 0;
    // Once the menu has closed: the release follows its chosen entry.
    virtual void ReleaseCutsLater() = 0;
    // The held cuts enter the active collection now, before it is saved.
    virtual void AdmitHeldCuts() = 0;
};

// The service's own commands, as the units that run them from a menu see them.
class IServiceCommands {
public:
    virtual ~IServiceCommands() = default;
    // Pause, continue, scheduler start and stop; false for any other id.
    virtual bool OnServiceCommand(unsigned id) = 0;
    // Command 32793 and "Save and refresh": writes every collection and reads them back.
    virtual void SaveAndReload() = 0;
    // The "Close" command.
    virtual void Close() = 0;
};
