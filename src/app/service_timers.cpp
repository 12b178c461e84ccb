// The service's periodic ticks: the mouse resting at the top of the screen and the
// scheduler's minute.
#include "app/service_timers.h"

#include "app/paste_target.h"
#include "platform/clock.h"
#include "platform/service_window.h"
#include "platform/system.h"
#include "player/scheduler.h"
#include "resource.h"

void ServiceTimers::OnMouseAtTopTick() {
    // Not over a menu of the program's own either: the application menu has no main menu.
    if (m_state.m_pMainMenu || m_state.m_hTrackedMenu != NO_MENU || (m_state.m_dwState & ST_BUSY) ||
        !(m_state.m_dwOptions & OPT_MOUSE_AT_TOP))
        return;
    const ScreenPoint pt = m_ports.input.CursorPos();
    // Two ticks in a row on the top row at the same place: passing along the edge, or
    // arriving there, does not open the menu.
    if (pt.y == 0 && m_ptLastTop.y == 0 && pt.x == m_ptLastTop.x) {
        m_ptLastTop = ScreenPoint{};
        m_target.RememberTarget();
        m_ports.window.SendCommand(0, ID_OPEN_MAIN_MENU);
    } else {
        m_ptLastTop = pt;
    }
}

void ServiceTimers::OnSchedulerTick() {
    const int minute = m_ports.clock.LocalNow().minute;
    if (minute == m_state.m_nLastMinute)
        return;
    if (m_state.m_nLastMinute != -1)
        RunSchedulerCheck();
    m_state.m_nLastMinute = minute;
}

void ServiceTimers::RunSchedulerCheck() {
    if (m_state.m_pScheduler)
        m_state.m_pScheduler->ScanSchedules(m_state.m_activeList, m_state.m_collectionList);
}
