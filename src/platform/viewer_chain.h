#pragma once
// The clipboard-viewer chain: each member hears of every clipboard change and passes the
// notification on to the member after it.
#include <cstdint>

#include "platform/handles.h"

class IViewerChain {
public:
    virtual ~IViewerChain() = default;
    // Adds `viewer` at the front of the chain; returns the member after it (0 when none).
    virtual WindowHandle Join(WindowHandle viewer) = 0;
    // Takes `viewer` out of the chain, naming `next` as its successor.
    virtual bool Leave(WindowHandle viewer, WindowHandle next) = 0;
    // Passes a chain message (WM_DRAWCLIPBOARD, WM_CHANGECBCHAIN) on to `next`.
    virtual void Forward(WindowHandle next, unsigned message, uintptr_t wParam,
                         intptr_t lParam) = 0;
};
