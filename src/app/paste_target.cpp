// The paste target: the application the user was working in, given back its foreground and
// focus before a paste, and lending its input to the program's menus while they are open.
#include "app/service_wnd.h"
#include "platform/target_window.h"

void CServiceWnd::RestoreTarget() {
    ITargetWindow& windows = m_ports.targets;
    if (m_hWndTarget == NO_WINDOW)
        return;
    if (!windows.IsWindow(m_hWndTarget)) {
        m_hWndTarget = NO_WINDOW;
        return;
    }
    windows.BringToFront(m_hWndTarget);
    if (m_hWndTargetFocus == NO_WINDOW)
        return;
    if (!windows.IsWindow(m_hWndTargetFocus)) {
        m_hWndTargetFocus = NO_WINDOW;
        return;
    }
    // The focus can be set only in a thread whose input this thread shares.
    windows.ShareInputWith(m_hWndTarget);
    windows.SetFocus(m_hWndTargetFocus);
    windows.ShareInputWith(NO_WINDOW);
}

void CServiceWnd::FocusForMenu() {
    ITargetWindow& windows = m_ports.targets;
    ++m_nMenuFocusDepth;
    if (m_hWndTarget != NO_WINDOW && !windows.IsWindow(m_hWndTarget))
        m_hWndTarget = NO_WINDOW;
    // A menu whose owner is not in front does not close when the user clicks elsewhere.
    windows.BringToFront(m_hWndParent);
    if (m_hWndTarget == NO_WINDOW)
        return;
    // The keyboard goes where the target's input has its focus: the menu gets it for as
    // long as the input is shared.
    windows.ShareInputWith(m_hWndTarget);
    windows.SetFocus(m_hWnd);
}

void CServiceWnd::EndMenuFocus() {
    // A context menu opens inside the main menu: the input is shared until the outer one ends.
    if (m_nMenuFocusDepth > 0 && --m_nMenuFocusDepth == 0)
        m_ports.targets.ShareInputWith(NO_WINDOW);
}
