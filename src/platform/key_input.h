#pragma once
// Keystrokes the program types into the application it pastes into, and the state of the
// toggle keys.

class IKeyInput {
public:
    virtual ~IKeyInput() = default;
    // A key event as if typed (scan code 0, no extended-key flag).
    virtual void KeyDown(unsigned vk) = 0;
    virtual void KeyUp(unsigned vk) = 0;
    // A toggle key such as Caps Lock is on.
    virtual bool IsToggled(unsigned vk) const = 0;
};
