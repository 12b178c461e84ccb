#pragma once
// The service's periodic ticks: the mouse resting at the top of the screen opens the main
// menu, and the scheduler checks its schedules once a minute.
#include "app/service_state.h"

class IInputState;
class IClock;
class IServiceWindow;
class PasteTarget;

struct ServiceTimerPorts {
    IInputState& input;     // where the pointer is
    IClock& clock;          // the minute of the scheduler's check
    IServiceWindow& window; // the main menu's command
};

class ServiceTimers {
public:
    ServiceTimers(const ServiceTimerPorts& ports, ServiceState& state, PasteTarget& target)
        : m_ports(ports), m_state(state), m_target(target) {}

    // TIMER_MOUSE_AT_TOP: two ticks in a row at the same place of the top row open the menu.
    void OnMouseAtTopTick();
    // TIMER_SCHEDULER: the scheduler's check, once whenever the minute changes.
    void OnSchedulerTick();
    // The scheduler's check now.
    void RunSchedulerCheck();

private:
    ServiceTimerPorts m_ports;
    ServiceState& m_state;
    PasteTarget& m_target;
    // Where the pointer was at the previous mouse-at-top tick; x -1 = nowhere recorded.
    ScreenPoint m_ptLastTop;
};
