#pragma once
// The system window behind the service: the hidden child of the main frame that receives
// every message driving the program.
#include <cstdint>

#include "platform/handles.h"

class IServiceWindow {
public:
    virtual ~IServiceWindow() = default;
    // Creates the hidden child window (control id 1) of `parent`; 0 on failure.
    virtual WindowHandle CreateServiceWindow(WindowHandle parent) = 0;
    // Makes the menu font from the "Font" setting the window's font (WM_GETFONT answers
    // with it), replacing an older one, and returns it; the window deletes it when it goes.
    virtual FontHandle CreateMenuFont() = 0;
    // The font dialog for the menu font; on OK the choice becomes the "Font" setting and the
    // window's font, which is returned. 0 when cancelled.
    virtual FontHandle ChooseMenuFont() = 0;
    // Destroys the parent frame, which destroys the service window with it.
    virtual void DestroyParent() = 0;
    // Sends the service window WM_COMMAND and waits until it is handled.
    virtual void SendCommand(uintptr_t wParam, intptr_t lParam) = 0;
    // Posts the service window WM_COMMAND, to be handled after the current message.
    virtual void PostCommand(uintptr_t wParam, intptr_t lParam) = 0;
};
