#pragma once
// Messages the program sends the application it pastes into.
#include <cstdint>
#include <vector>

#include "platform/handles.h"

class ITargetMessages {
public:
    virtual ~ITargetMessages() = default;
    // WM_SETFOCUS, sent.
    virtual void SendSetFocus(WindowHandle window) = 0;
    // WM_DROPFILES with a global block holding `dropFiles` (a DROPFILES header and its list).
    virtual void SendDropFiles(WindowHandle window, const std::vector<uint8_t>& dropFiles) = 0;
};
