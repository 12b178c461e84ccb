#include "app/paste_target.h"

#include "platform/focus.h"
#include "platform/target_window.h"
#include "store/no_case.h"

void PasteTarget::RememberTarget() {
    const WindowHandle window = m_ports.focus.ForegroundWindow();
    if (window == NO_WINDOW || window == m_state.m_hWndParent)
        return;
    // The hot window is where the user points, never where a paste goes.
    if (m_hotWindow.IsHotWindow(window))
        return;
    // The taskbar ("Shell_TrayWnd") becomes the foreground window when it is clicked.
    const std::string cls = m_ports.focus.TopLevelClassName(window).substr(0, 10);
    if (EqualsNoCase(cls, "Shell_Tray"))
        return;
    m_state.m_hWndTarget = window;
    m_state.m_hWndTargetFocus = m_ports.focus.FocusWindowOf(window);
}

void PasteTarget::RestoreTarget() {
    ITargetWindow& windows = m_ports.windows;
    WindowHandle& target = m_state.m_hWndTarget;
    WindowHandle& focus = m_state.m_hWndTargetFocus;
    if (target == NO_WINDOW)
        return;
    if (!windows.IsWindow(target)) {
        target = NO_WINDOW;
        return;
    }
    windows.BringToFront(target);
    if (focus == NO_WINDOW)
        return;
    if (!windows.IsWindow(focus)) {
        focus = NO_WINDOW;
        return;
    }
    // The focus can be set only in a thread whose input this thread shares.
    windows.ShareInputWith(target);
    windows.SetFocus(focus);
    windows.ShareInputWith(NO_WINDOW);
}

void PasteTarget::FocusForMenu() {
    ITargetWindow& windows = m_ports.windows;
    WindowHandle& target = m_state.m_hWndTarget;
    ++m_nMenuFocusDepth;
    if (target != NO_WINDOW && !windows.IsWindow(target))
        target = NO_WINDOW;
    // A menu whose owner is not in front does not close when the user clicks elsewhere.
    windows.BringToFront(m_state.m_hWndParent);
    if (target == NO_WINDOW)
        return;
    // The keyboard goes where the target's input has its focus: the menu gets it for as
    // long as the input is shared.
    windows.ShareInputWith(target);
    windows.SetFocus(m_state.m_hWnd);
}

void PasteTarget::EndMenuFocus() {
    // A context menu opens inside the main menu: the input is shared until the outer one ends.
    if (m_nMenuFocusDepth > 0 && --m_nMenuFocusDepth == 0)
        m_ports.windows.ShareInputWith(NO_WINDOW);
}
