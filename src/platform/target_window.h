#pragma once
// The application being pasted into: bringing it back to the front and giving it the focus,
// and lending its input to the program's menus while they are open.
#include "platform/handles.h"

class ITargetWindow {
public:
    virtual ~ITargetWindow() = default;
    virtual bool IsWindow(WindowHandle window) const = 0;
    // The last window reached by following parents.
    virtual WindowHandle TopLevelOf(WindowHandle window) const = 0;
    virtual void BringToFront(WindowHandle window) = 0;
    // Attaches this thread's input to that of the thread owning `inputOf`, so that this
    // thread may set the focus and receive the keyboard in its place; 0 detaches again.
    virtual void ShareInputWith(WindowHandle inputOf) = 0;
    virtual void SetFocus(WindowHandle window) = 0;
};
