// The taskbar icon: its picture and tip for the normal, busy and paused states, its mouse
// protocol, and the commands that pause the service and start the scheduler.
#include "app/collection_store.h"
#include "app/service_wnd.h"
#include "platform/service_window.h"
#include "platform/system.h"
#include "platform/tray_icon.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"

namespace {
constexpr uint32_t TRAY_FLAGS = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
} // namespace

bool CServiceWnd::HasHotMenuWindow() const {
    return m_hotWnd.IsHotMenu();
}

void CServiceWnd::SetTrayIcon(bool add, bool busy) {
    if (!add) {
        m_nid.uFlags = 0;
        m_ports.tray.Delete(m_nid);
        return;
    }
    const bool paused = (m_dwState & ST_PAUSED) != 0;
    // A delete cleared the flags; an icon added without them would be blank and deaf.
    m_nid.uFlags = TRAY_FLAGS;
    m_nid.iconId = paused ? IDI_PAUSED : busy ? IDI_BUSY : IDI_NORMAL;
    // In the language loaded now, which may not be the one of the start.
    m_nid.szTip = LoadUiString(paused ? IDS_PAUSED_TIP : IDR_MAINFRAME).substr(0, TRAY_TIP_MAX);
    m_ports.tray.Add(m_nid);
}

void CServiceWnd::SetBusy(bool busy) {
    if (!(m_dwOptions & OPT_NO_TRAY_ICON)) {
        m_nid.uFlags = TRAY_FLAGS;
        // The end of the program's own work must not hide that the service is paused.
        m_nid.iconId = busy ? IDI_BUSY : (m_dwState & ST_PAUSED) ? IDI_PAUSED : IDI_NORMAL;
        m_ports.tray.Modify(m_nid);
    }
    if (m_hWnd)
        m_hotWnd.ShowState(busy, (m_dwState & ST_PAUSED) != 0);
}

void CServiceWnd::UpdatePauseIndicator() {
    if (m_dwOptions & OPT_NO_TRAY_ICON)
        return;
    const bool paused = (m_dwState & ST_PAUSED) != 0;
    m_nid.uFlags = TRAY_FLAGS;
    m_nid.iconId = paused ? IDI_PAUSED : IDI_NORMAL;
    m_nid.szTip = LoadUiString(paused ? IDS_PAUSED_TIP : IDR_MAINFRAME).substr(0, TRAY_TIP_MAX);
    m_ports.tray.Modify(m_nid);
}

intptr_t CServiceWnd::OnTrayNotify(uintptr_t wParam, intptr_t lParam) {
    if (wParam != TRAY_ICON_ID)
        return 0;
    const bool leftClickMenu = (m_dwOptions & OPT_LEFT_CLICK_MENU) != 0;
    bool mainMenu = false;
    switch (static_cast<unsigned>(lParam)) {
    case win::WM_MOUSEMOVE:
        // A click makes the taskbar the foreground window: take the target before that.
        if (m_bTrayHoverArmed) {
            m_bTrayHoverArmed = 0;
            RememberTarget();
            m_ports.timers.Set(m_hWnd, TIMER_TRAY_HOVER, TRAY_HOVER_PERIOD_MS);
        }
        return 1;
    case win::WM_LBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
        mainMenu = leftClickMenu;
        break;
    case win::WM_RBUTTONUP:
        mainMenu = !leftClickMenu;
        break;
    default:
        return 1; // button presses and other mouse messages do nothing
    }
    OpenMenuOfClick(mainMenu);
    return 1;
}

void CServiceWnd::OpenMenuOfClick(bool mainMenu) {
    if (mainMenu) {
        m_ports.window.SendCommand(0, ID_OPEN_MAIN_MENU);
        return;
    }
    // The application menu: the context menu of no entry.
    m_nSelEntryId = -1;
    m_pSelItem = nullptr;
    m_strSelPath.clear();
    m_ports.window.SendCommand(0, ID_OPEN_CONTEXT_MENU);
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
        UpdatePauseIndicator();
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
