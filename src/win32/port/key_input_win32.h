#pragma once
#include "platform/key_input.h"

class Win32KeyInput final : public IKeyInput {
public:
    void KeyDown(unsigned vk) override;
    void KeyUp(unsigned vk) override;
    bool IsToggled(unsigned vk) const override;
};
