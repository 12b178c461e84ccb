#pragma once
// System-wide hot keys: a key combination reported to a window as WM_HOTKEY with an id.
#include "platform/handles.h"

class IHotKeys {
public:
    virtual ~IHotKeys() = default;
    // `modifiers` are MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN. False when another program
    // (or this window under another id) holds the combination.
    virtual bool Register(WindowHandle window, int id, unsigned modifiers, unsigned vk) = 0;
    virtual void Unregister(WindowHandle window, int id) = 0;
};
