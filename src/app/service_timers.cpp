// The service window's timers: the mouse resting at the top of the screen, the re-arming of
// the taskbar icon's hover, the scheduler's minute tick, and the follow-up of a cut that
// could not be read at once.
#include "app/service_wnd.h"
#include "platform/clock.h"
#include "platform/service_window.h"
#include "platform/system.h"
#include "player/scheduler.h"
#include "resource.h"

void CServiceWnd::OnTimer(uintptr_t id) {
    switch (id) {
    case TIMER_MOUSE_AT_TOP:
        OnMouseAtTopTick();
        break;
    case TIMER_TRAY_HOVER:
        m_taskbarIcon.RearmHover();
        break;
    case TIMER_SCHEDULER:
        OnSchedulerTick();
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

void CServiceWnd::OnMouseAtTopTick() {
    // Not over a menu of the program's own either: the application menu has no main menu.
    if (m_pMainMenu || m_hTrackedMenu != NO_MENU || (m_dwState & ST_BUSY) ||
        !(m_dwOptions & OPT_MOUSE_AT_TOP))
        return;
    const ScreenPoint pt = m_ports.input.CursorPos();
    // Two ticks in a row on the top row at the same place: passing along the edge, or
    // arriving there, does not open the menu.
    if (pt.y == 0 && m_ptLastTop.y == 0 && pt.x == m_ptLastTop.x) {
        m_ptLastTop = ScreenPoint{};
        RememberTarget();
        m_ports.window.SendCommand(0, ID_OPEN_MAIN_MENU);
    } else {
        m_ptLastTop = pt;
    }
}

void CServiceWnd::OnSchedulerTick() {
    const int minute = m_ports.clock.LocalNow().minute;
    if (minute == m_nLastMinute)
        return;
    if (m_nLastMinute != -1)
        RunSchedulerCheck();
    m_nLastMinute = minute;
}

void CServiceWnd::RunSchedulerCheck() {
    if (m_pScheduler)
        m_pScheduler->ScanSchedules(m_activeList, m_collectionList);
}
