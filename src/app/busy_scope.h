#pragma once
// ST_BUSY in the service's state for as long as the scope lives, on every way out of it.
#include <cstdint>

#include "app/service_wnd.h"

class BusyScope {
public:
    explicit BusyScope(uint32_t& state) : m_state(state) { m_state |= ST_BUSY; }
    ~BusyScope() { m_state &= ~ST_BUSY; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    uint32_t& m_state;
};
