#pragma once
#include "platform/sound.h"

class Win32Sound final : public ISound {
public:
    void MessageBeep(uint32_t type) override;
};
