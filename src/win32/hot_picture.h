#pragma once
// The hot-icon's picture: the strip of three frames of its style (or the program's .bmp
// beside the executable) and the clock's digits, composed into one frame and the shape of
// the window.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "handles.h"
#include "platform/clock.h"
#include "resource.h"
#include "ui/hot_geometry.h"

class HotPicture {
public:
    // The picture of `look`; an external file that is missing, no bitmap, too large or not
    // three frames wide gives the built-in stand-in. False when not even that loads.
    bool Load(const HotStyleLook& look, const std::string& externalPath);
    SIZE FrameSize() const { return m_frame; }

    // Frame `indicator` (0 free, 1 busy, 2 paused), with the clock of `now` for the clock
    // styles: 0x00RRGGBB pixels, the top row first.
    std::vector<uint32_t> Compose(int indicator, const LocalTime& now) const;
    // Paints composed pixels at (0, 0) of `dc`.
    void Paint(HDC dc, const std::vector<uint32_t>& pixels) const;
    // The window's shape: the pixels that are not RGB(255, 0, 255); empty when none are.
    HRGN Shape(const std::vector<uint32_t>& pixels) const;

private:
    bool LoadExternal(const std::string& path);

    UniqueBitmap m_strip;
    UniqueBitmap m_digits; // clock styles only
    SIZE m_frame = {0, 0};
};
