#pragma once
#include "platform/viewer_chain.h"

class Win32ViewerChain final : public IViewerChain {
public:
    WindowHandle Join(WindowHandle viewer) override;
    bool Leave(WindowHandle viewer, WindowHandle next) override;
    void Forward(WindowHandle next, unsigned message, uintptr_t wParam, intptr_t lParam) override;
};
