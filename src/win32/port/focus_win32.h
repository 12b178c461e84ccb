#pragma once
#include "platform/focus.h"

class Win32Focus final : public IFocus {
public:
    WindowHandle ForegroundWindow() const override;
    std::string TopLevelClassName(WindowHandle window) const override;
    WindowHandle FocusWindowOf(WindowHandle window) const override;
};
