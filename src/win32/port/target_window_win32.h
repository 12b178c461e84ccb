#pragma once
#include "platform/target_window.h"

class Win32TargetWindow final : public ITargetWindow {
public:
    bool IsWindow(WindowHandle window) const override;
    WindowHandle TopLevelOf(WindowHandle window) const override;
    void BringToFront(WindowHandle window) override;
    void SetFocusWithInputOf(WindowHandle focus, WindowHandle inputOf) override;
    void SendSetFocus(WindowHandle window) override;
    void SendDropFiles(WindowHandle window, const std::vector<uint8_t>& dropFiles) override;
};
