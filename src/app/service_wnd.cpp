#include "app/service_wnd.h"

#include "app/collection_store.h"
#include "app/dispatch.h"
#include "app/install_port.h"
#include "app/item_actions.h"
#include "app/item_edits.h"
#include "app/menu_commands.h"
#include "platform/focus.h"
#include "platform/menu_host.h"
#include "platform/system.h"
#include "platform/service_window.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "player/scheduler.h"
#include "resource.h"
#include "store/temp_files.h"

bool g_bAutostartDisabled = false;

ServiceState::ServiceState(int screenWidth, uint32_t tickNow)
    : m_dwLastFilesTick(tickNow), m_dwLastTextTick(tickNow), m_dwLastBitmapTick(tickNow) {
    m_ptHot.x = static_cast<int16_t>(screenWidth - 120);
    m_ptHot.y = 60;
    m_nid.uID = TRAY_ICON_ID;
    m_nid.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
    m_nid.uCallbackMessage = win::WM_USER;
    m_nid.szTip = LoadUiString(IDR_MAINFRAME).substr(0, TRAY_TIP_MAX);
}

CServiceWnd::CServiceWnd(const ServicePorts& ports, int screenWidth, uint32_t tickNow)
    : ServiceState(screenWidth, tickNow), m_ports(ports), m_hotWnd(ports.hotWindows, *this),
      m_target({ports.focus, ports.targets}, *this, m_hotWnd),
      m_taskbarIcon({ports.tray, ports.timers, ports.window}, *this, m_target),
      m_capture({ports.clipboard, ports.clock, ports.timers, ports.viewers, ports.sound,
                 ports.pictures, ports.store, ports.window},
                *this, *this, m_hotWnd),
      m_paste({ports.clipboard, ports.clock, ports.keys, ports.input, ports.targets,
               ports.targetMessages, ports.window},
              *this, m_target, *this),
      m_hotKeys({ports.hotKeys, ports.timers, ports.input, ports.clock, ports.window}, *this,
                m_target, m_hotWnd, m_paste),
      m_timers({ports.input, ports.clock, ports.window}, *this, m_target),
      m_dispatcher(
          {ports.input, ports.keys, ports.clock, ports.systemLists, ports.documents, ports.store},
          *this, m_paste, m_hotWnd, *this),
      m_menus({ports.menus, ports.input, ports.window, ports.systemLists, ports.store}, *this,
              m_capture, m_target, m_hotWnd, *this, *this) {}

CServiceWnd::~CServiceWnd() = default;

bool CServiceWnd::Create(WindowHandle parent) {
    m_ptMenu = ScreenPoint{-1, -1};
    m_hWnd = m_ports.window.CreateServiceWindow(parent);
    if (m_hWnd == NO_WINDOW)
        return false;
    m_hWndParent = parent;
    m_bShuttingDown = false;
    RememberTarget();

    m_font = m_ports.window.CreateMenuFont();
    m_ports.store.LoadActiveCollection(*this);
    m_ports.store.LoadCollections(*this);
    // The file has just set m_nLanguage.
    LoadLanguage(m_nLanguage, m_ports.languages, m_nLanguage, m_hLangDll);

    if (!RegisterHotKeys())
        m_ports.messages.Show(LoadUiString(IDS_HOTKEY_FAILED), LoadUiString(IDR_MAINFRAME),
                              win::MB_ICONEXCLAMATION | win::MB_TOPMOST);

    m_nid.hWnd = m_hWnd;
    if (!(m_dwOptions & OPT_NO_TRAY_ICON))
        SetTrayIcon(true);

    if (g_bAutostartDisabled)
        m_dwOptions |= OPT_NO_AUTOSTART;
    else
        m_dwOptions &= ~OPT_NO_AUTOSTART;

    DeleteTempFiles();

    m_dwState |= ST_VIEWER_ON;
    m_capture.JoinViewerChain();
    // Busy until the frame has finished its own start.
    m_hotWnd.Create(true, (m_dwState & ST_PAUSED) != 0);
    if (m_dwOptions & OPT_SCHEDULER_ON)
        m_ports.timers.Set(m_hWnd, TIMER_SCHEDULER, SCHEDULER_PERIOD_MS);
    return true;
}

void CServiceWnd::Close() {
    // An open main menu ends now; OpenMainMenu releases it once its tracking returns.
    if (m_pMainMenu)
        m_ports.menus.CancelMenus();
    m_hotWnd.Destroy();
    m_hLangDll.Free();
    m_ports.window.DestroyParent();
}

void CServiceWnd::OnUninstallRequest() {
    m_dwState |= ST_UNINSTALL;
    Close();
}

void CServiceWnd::OnDestroy() {
    // Logoff may reach the window twice (query, then end), and the calls below that wait
    // (leaving the viewer chain waits for the next viewer) let sent messages in meanwhile:
    // a nested end of the session must find the work taken, and a nested cut must not be
    // captured (autosave would write the emptied list over the file).
    if (m_hWnd == NO_WINDOW || m_bShuttingDown)
        return;
    m_bShuttingDown = true;
    m_dwState &= ~ST_VIEWER_ON;
    if (m_dwState & ST_UNINSTALL) {
        m_ports.installation.Uninstall();
    } else {
        m_capture.AdmitHeldCuts(); // cut while a menu was open: saved with the rest
        // What the user saved in an editor still open is saved with the rest too.
        if (m_pItemEdits)
            m_pItemEdits->Finish(m_activeList, m_collectionList, *this, true);
        m_ports.store.SaveActiveCollection(*this);
        m_ports.store.SaveModifiedCollections(*this);
    }
    m_pSelItem = nullptr;
    m_pDragItem = nullptr;
    m_activeList.clear();
    m_collectionList.clear();

    m_hotWnd.Destroy();
    if (!(m_dwOptions & OPT_NO_TRAY_ICON))
        SetTrayIcon(false);
    m_capture.LeaveViewerChain();
    UnregisterHotKeys();

    m_hWnd = NO_WINDOW;
    DeleteTempFiles();
}

bool CServiceWnd::OnCommand(uintptr_t wParam, intptr_t lParam) {
    // Follows a closed menu's chosen entry. Never blocked (a release left undone would hold
    // cuts back for good), and it leaves the menus' state alone.
    if (wParam == 0 && lParam == ID_RELEASE_CUTS) {
        m_capture.ReleaseCuts();
        return true;
    }
    if (wParam == 0 && lParam == ID_EDITOR_ENDED) {
        FinishEdits();
        return true;
    }
    m_nPendingCmd = 0;
    // While an entry is dragged the menu loop runs inside the drag: nothing else may start.
    if (m_pDragItem || (wParam == 0 && lParam == 0))
        return true;
    switch (lParam) {
    case ID_OPEN_MAIN_MENU:
        OpenMainMenu();
        return true;
    case ID_SAVE_AND_RELOAD:
        SaveAndReload();
        return true;
    case ID_OPEN_CONTEXT_MENU:
        OpenContextMenu();
        return true;
    case ID_SHOW_FILE_NOTICES:
        m_ports.store.ShowNotices();
        return true;
    case ID_CAMERA: // posted by the context menu, to run once the menus have closed
        RunCamera();
        return true;
    default:
        if (wParam == 0 && lParam >= ID_HOT_STYLE_FIRST && lParam <= ID_HOT_STYLE_LAST) {
            m_hotWnd.ChooseStyle(static_cast<uint8_t>(lParam - ID_HOT_STYLE_FIRST),
                                 (m_dwState & ST_PAUSED) != 0);
            m_ports.store.SaveActiveCollection(*this);
            return true;
        }
        if (!RunMenuCommand(
                {m_ports.menus, m_ports.store, m_ports.prompts, m_ports.window, m_ports.languages},
                *this, wParam, lParam))
            m_dispatcher.DispatchEntry(wParam, lParam);
        return true;
    }
}

bool CServiceWnd::HasHotMenuWindow() const {
    return m_hotWnd.IsHotMenu();
}

void CServiceWnd::SetBusy(bool busy) {
    m_taskbarIcon.ShowBusy(busy);
    if (m_hWnd != NO_WINDOW)
        m_hotWnd.ShowState(busy, (m_dwState & ST_PAUSED) != 0);
}

bool CServiceWnd::OnServiceCommand(unsigned id) {
    switch (id) {
    case ID_PAUSE_SERVICE:
    case ID_CONTINUE_SERVICE:
        // Each command names the state it wants, so a repeated one changes nothing.
        if (id == ID_PAUSE_SERVICE)
            m_dwState |= ST_PAUSED;
        else
            m_dwState &= ~ST_PAUSED;
        m_taskbarIcon.UpdatePauseIndicator();
        m_hotWnd.ShowState(false, (m_dwState & ST_PAUSED) != 0);
        return true;
    case ID_SCHEDULER_START:
    case ID_SCHEDULER_STOP:
        if (id == ID_SCHEDULER_START) {
            m_dwOptions |= OPT_SCHEDULER_ON;
            m_ports.timers.Set(m_hWnd, TIMER_SCHEDULER, SCHEDULER_PERIOD_MS);
        } else {
            m_dwOptions &= ~OPT_SCHEDULER_ON;
            m_ports.timers.Kill(m_hWnd, TIMER_SCHEDULER);
        }
        m_ports.store.SaveActiveCollection(*this);
        return true;
    default:
        return false;
    }
}

// The timers of the units, and the duration timers of playing clips and commands.
void CServiceWnd::OnTimer(uintptr_t id) {
    switch (id) {
    case TIMER_MOUSE_AT_TOP:
        m_timers.OnMouseAtTopTick();
        break;
    case TIMER_TRAY_HOVER:
        m_taskbarIcon.RearmHover();
        break;
    case TIMER_SCHEDULER:
        m_timers.OnSchedulerTick();
        break;
    case TIMER_LOOK_AGAIN:
        m_capture.LookAgainAtClipboard();
        break;
    case TIMER_FINISH_EDITS:
        FinishEdits();
        break;
    default:
        if (m_pScheduler) // the duration timers of playing clips and commands
            m_pScheduler->OnTimer(id);
        break;
    }
}

bool CServiceWnd::PrintEntry(unsigned entryId, const CClipItem& item, const std::string& text) {
    return PrintItem(m_ports.documents, entryId, item, text);
}

void CServiceWnd::PlayEntry(CClipItem& item) {
    PlayItem(*this, item);
}

void CServiceWnd::EditEntrySchedule(CClipItem& item) {
    EditItemSchedule(*this, m_ports.store, item);
}

void CServiceWnd::SkipPlayingClip() {
    ::SkipPlayingClip(*this);
}

void CServiceWnd::StopPlayer() {
    ::StopPlayer(*this);
}
