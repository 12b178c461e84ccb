#pragma once
// What the mouse and the keyboard are doing right now, system-wide.

struct ScreenPoint {
    int x = -1;
    int y = -1;
};

class IInputState {
public:
    virtual ~IInputState() = default;
    virtual ScreenPoint CursorPos() const = 0;
    // The key is held down at this moment (GetAsyncKeyState).
    virtual bool IsKeyDown(unsigned vk) const = 0;
};
