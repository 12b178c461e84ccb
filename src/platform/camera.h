#pragma once
// The Camera: a dialog that copies a fragment of the screen and the colour under the
// pointer to the clipboard. Made by the Win32 side (src/win32/camera.*).
#include <cstdint>

#include "platform/geometry.h"

class ICamera {
public:
    virtual ~ICamera() = default;
    // Runs the Camera modally at `rect` (empty: its default place) with the check boxes of
    // `flags` (bit 0 image, bit 1 colour); when it closes they hold its place and boxes.
    // Returns how many copies the user made.
    virtual unsigned Run(PixelRect& rect, uint16_t& flags) = 0;
    // When the Camera is open: it comes to the front. False when it is not open.
    virtual bool BringToFront() = 0;
};
