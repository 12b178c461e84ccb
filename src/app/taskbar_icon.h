#pragma once
// The taskbar icon: its picture and tip for the normal, busy and paused states, and its
// mouse protocol.
#include <cstdint>

#include "app/service_state.h"

class ITrayIcon;
class ITimers;
class IServiceWindow;
class PasteTarget;

// A click on the taskbar icon or the hot window: the main menu, or the application menu.
void OpenMenuOfClick(bool mainMenu, ServiceState& state, IServiceWindow& window);

struct TaskbarIconPorts {
    ITrayIcon& tray;
    ITimers& timers;        // the re-arming of the hover
    IServiceWindow& window; // the menus a click opens
};

class TaskbarIcon {
public:
    TaskbarIcon(const TaskbarIconPorts& ports, ServiceState& state, PasteTarget& target)
        : m_ports(ports), m_state(state), m_target(target) {}

    // Adds the icon (paused, busy or normal picture) or deletes it.
    void SetTrayIcon(bool add, bool busy = false);
    // The busy picture for the program's own work, else the paused or normal one.
    void ShowBusy(bool busy);
    // Picture and tip after the paused state changed.
    void UpdatePauseIndicator();
    // The icon's callback message: wParam the icon id, lParam the mouse message. A move
    // remembers the paste target (at most once per hover period); a click opens the main
    // menu or the application menu.
    intptr_t OnTrayNotify(uintptr_t wParam, intptr_t lParam);
    // TIMER_TRAY_HOVER: the next move may remember the target again.
    void RearmHover();

private:
    TaskbarIconPorts m_ports;
    ServiceState& m_state;
    PasteTarget& m_target;
};
