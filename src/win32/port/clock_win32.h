#pragma once
#include "platform/clock.h"

class Win32Clock final : public IClock {
public:
    uint32_t TickCount() const override;
    LocalTime LocalNow() const override;
    int64_t MakeTime(const LocalTime& t) const override;
    void Sleep(uint32_t ms) override;
};
