#pragma once
#include <set>

#include "platform/input_state.h"

class FakeInputState final : public IInputState {
public:
    ScreenPoint cursor{300, 300};
    std::set<unsigned> keysDown;

    ScreenPoint CursorPos() const override { return cursor; }
    bool IsKeyDown(unsigned vk) const override { return keysDown.count(vk) != 0; }
};
