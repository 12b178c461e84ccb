#include "app/taskbar_icon.h"

#include "app/paste_target.h"
#include "platform/service_window.h"
#include "platform/system.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"

namespace {
constexpr uint32_t TRAY_FLAGS = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
} // namespace

void OpenMenuOfClick(bool mainMenu, ServiceState& state, IServiceWindow& window) {
    if (mainMenu) {
        window.SendCommand(0, ID_OPEN_MAIN_MENU);
        return;
    }
    // The application menu: the context menu of no entry.
    state.m_nSelEntryId = -1;
    state.m_pSelItem = nullptr;
    state.m_strSelPath.clear();
    window.SendCommand(0, ID_OPEN_CONTEXT_MENU);
}

void TaskbarIcon::SetTrayIcon(bool add, bool busy) {
    TrayIconData& nid = m_state.m_nid;
    if (!add) {
        nid.uFlags = 0;
        m_ports.tray.Delete(nid);
        return;
    }
    const bool paused = (m_state.m_dwState & ST_PAUSED) != 0;
    // A delete cleared the flags; an icon added without them would be blank and deaf.
    nid.uFlags = TRAY_FLAGS;
    nid.iconId = paused ? IDI_PAUSED : busy ? IDI_BUSY : IDI_NORMAL;
    // In the language loaded now, which may not be the one of the start.
    nid.szTip = LoadUiString(paused ? IDS_PAUSED_TIP : IDR_MAINFRAME).substr(0, TRAY_TIP_MAX);
    m_ports.tray.Add(nid);
}

void TaskbarIcon::ShowBusy(bool busy) {
    if (m_state.m_dwOptions & OPT_NO_TRAY_ICON)
        return;
    TrayIconData& nid = m_state.m_nid;
    nid.uFlags = TRAY_FLAGS;
    // The end of the program's own work must not hide that the service is paused.
    nid.iconId = busy ? IDI_BUSY : (m_state.m_dwState & ST_PAUSED) ? IDI_PAUSED : IDI_NORMAL;
    m_ports.tray.Modify(nid);
}

void TaskbarIcon::UpdatePauseIndicator() {
    if (m_state.m_dwOptions & OPT_NO_TRAY_ICON)
        return;
    TrayIconData& nid = m_state.m_nid;
    const bool paused = (m_state.m_dwState & ST_PAUSED) != 0;
    nid.uFlags = TRAY_FLAGS;
    nid.iconId = paused ? IDI_PAUSED : IDI_NORMAL;
    nid.szTip = LoadUiString(paused ? IDS_PAUSED_TIP : IDR_MAINFRAME).substr(0, TRAY_TIP_MAX);
    m_ports.tray.Modify(nid);
}

intptr_t TaskbarIcon::OnTrayNotify(uintptr_t wParam, intptr_t lParam) {
    if (wParam != TRAY_ICON_ID)
        return 0;
    const bool leftClickMenu = (m_state.m_dwOptions & OPT_LEFT_CLICK_MENU) != 0;
    bool mainMenu = false;
    switch (static_cast<unsigned>(lParam)) {
    case win::WM_MOUSEMOVE:
        // A click makes the taskbar the foreground window: take the target before that.
        if (m_state.m_bTrayHoverArmed) {
            m_state.m_bTrayHoverArmed = 0;
            m_target.RememberTarget();
            m_ports.timers.Set(m_state.m_hWnd, TIMER_TRAY_HOVER, TRAY_HOVER_PERIOD_MS);
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
    OpenMenuOfClick(mainMenu, m_state, m_ports.window);
    return 1;
}

void TaskbarIcon::RearmHover() {
    m_ports.timers.Kill(m_state.m_hWnd, TIMER_TRAY_HOVER);
    m_state.m_bTrayHoverArmed = 1;
}
