#pragma once
// The size of the primary screen, in pixels. Read when it matters (a resolution may change
// while the program runs). Implemented in src/win32/port.
struct ScreenSize {
    int cx = 0;
    int cy = 0;
};

class IScreen {
public:
    virtual ~IScreen() = default;
    virtual ScreenSize Size() const = 0;
};
