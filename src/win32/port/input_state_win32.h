#pragma once
#include "platform/input_state.h"

class Win32InputState final : public IInputState {
public:
    ScreenPoint CursorPos() const override;
    bool IsKeyDown(unsigned vk) const override;
};
