#pragma once
// The application being pasted into: bringing it back to the front, giving it the focus,
// and the messages the program sends it.
#include <cstdint>
#include <vector>

#include "platform/handles.h"

class ITargetWindow {
public:
    virtual ~ITargetWindow() = default;
    virtual bool IsWindow(WindowHandle window) const = 0;
    // The last window reached by following parents.
    virtual WindowHandle TopLevelOf(WindowHandle window) const = 0;
    virtual void BringToFront(WindowHandle window) = 0;
    // Gives `focus` the keyboard focus with this thread's input attached, for the moment of
    // the call, to that of the thread owning `inputOf`.
    virtual void SetFocusWithInputOf(WindowHandle focus, WindowHandle inputOf) = 0;
    // WM_SETFOCUS, sent.
    virtual void SendSetFocus(WindowHandle window) = 0;
    // WM_DROPFILES with a global block holding `dropFiles` (a DROPFILES header and its list).
    virtual void SendDropFiles(WindowHandle window, const std::vector<uint8_t>& dropFiles) = 0;
};
