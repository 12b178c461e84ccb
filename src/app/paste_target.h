#pragma once
// The paste target: the application the user was working in, remembered when a menu is
// asked for, given back its foreground and focus before a paste, and lending its input to
// the program's menus while they are open.
#include "app/hot_window_keeper.h"
#include "app/service_state.h"

class IFocus;
class ITargetWindow;

struct PasteTargetPorts {
    IFocus& focus;
    ITargetWindow& windows;
};

class PasteTarget {
public:
    PasteTarget(const PasteTargetPorts& ports, ServiceState& state,
                const HotWindowKeeper& hotWindow)
        : m_ports(ports), m_state(state), m_hotWindow(hotWindow) {}

    // Remembers the foreground window and its focus as the paste target, unless it is the
    // program's own frame, its hot window or the taskbar.
    void RememberTarget();
    // Gives the remembered paste target back the foreground and its focus.
    void RestoreTarget();
    // Before a menu of the program is tracked: the frame comes to the front and the service
    // window takes the focus, sharing the input of the paste target's thread, so that the
    // keyboard reaches the menu. EndMenuFocus, once the menu is closed, stops the sharing.
    void FocusForMenu();
    void EndMenuFocus();

private:
    PasteTargetPorts m_ports;
    ServiceState& m_state;
    const HotWindowKeeper& m_hotWindow;
    int m_nMenuFocusDepth = 0; // menus open between FocusForMenu and EndMenuFocus
};
