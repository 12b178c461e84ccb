#pragma once
#include "platform/target_messages.h"
#include "platform/target_window.h"

class Win32TargetWindow final : public ITargetWindow, public ITargetMessages {
public:
    ~Win32TargetWindow() override;

    bool IsWindow(WindowHandle window) const override;
    WindowHandle TopLevelOf(WindowHandle window) const override;
    void BringToFront(WindowHandle window) override;
    void ShareInputWith(WindowHandle inputOf) override;
    void SetFocus(WindowHandle window) override;

    void SendSetFocus(WindowHandle window) override;
    void SendDropFiles(WindowHandle window, const std::vector<uint8_t>& dropFiles) override;

private:
    unsigned long m_sharedWith = 0; // the thread whose input this thread shares, if any
};
