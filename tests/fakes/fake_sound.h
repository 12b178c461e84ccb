#pragma once
#include <vector>

#include "platform/sound.h"

class FakeSound final : public ISound {
public:
    std::vector<uint32_t> beeps;
    void MessageBeep(uint32_t type) override { beeps.push_back(type); }
};
