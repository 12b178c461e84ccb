#pragma once
// The system's event sounds.
#include <cstdint>

class ISound {
public:
    virtual ~ISound() = default;
    // MessageBeep: 0xFFFFFFFF the simple beep, else an MB_ICON... or MB_OK value.
    virtual void MessageBeep(uint32_t type) = 0;
};
