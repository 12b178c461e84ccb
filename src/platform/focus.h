#pragma once
// Which window the user works in: the foreground window and its keyboard focus, as the
// paste target is remembered from them.
#include <string>

#include "platform/handles.h"

class IFocus {
public:
    virtual ~IFocus() = default;
    virtual WindowHandle ForegroundWindow() const = 0;
    // Class name of the window's top-level ancestor (the last window reached by following
    // parents); empty when the window is gone.
    virtual std::string TopLevelClassName(WindowHandle window) const = 0;
    // The window with the keyboard focus in the thread that owns `window` (0 when none).
    virtual WindowHandle FocusWindowOf(WindowHandle window) const = 0;
};
