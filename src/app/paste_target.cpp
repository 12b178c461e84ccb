// The paste target: the application the user was working in, given back its foreground and
// focus before a paste, and lent to the program's menus while they are open.
#include "app/service_wnd.h"
#include "platform/target_window.h"

void CServiceWnd::RestoreTarget() {
    ITargetWindow& windows = m_ports.targets;
    if (!m_hWndTarget)
        return;
    if (!windows.IsWindow(m_hWndTarget)) {
        m_hWndTarget = 0;
        return;
    }
    windows.BringToFront(m_hWndTarget);
    if (!m_hWndTargetFocus)
        return;
    if (!windows.IsWindow(m_hWndTargetFocus)) {
        m_hWndTargetFocus = 0;
        return;
    }
    windows.SetFocusWithInputOf(m_hWndTargetFocus, m_hWndTarget);
}

void CServiceWnd::FocusForMenu() {
    ITargetWindow& windows = m_ports.targets;
    if (m_hWndTarget && !windows.IsWindow(m_hWndTarget))
        m_hWndTarget = 0;
    // A menu whose owner is not in front does not close when the user clicks elsewhere.
    windows.BringToFront(m_hWndParent);
    if (m_hWndTarget)
        windows.SetFocusWithInputOf(m_hWnd, m_hWndTarget);
}
