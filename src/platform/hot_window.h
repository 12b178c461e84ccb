#pragma once
// The hot window on the desktop: the hot-icon in one of its styles or the hot-menu window.
// Made by the Win32 side (src/win32/hot_wnd.*); tests use tests/fakes/fake_hot_window.h.
#include <cstdint>
#include <memory>

#include "platform/handles.h"

class IHotWindow {
public:
    virtual ~IHotWindow() = default;
    // The picture's frame, or the caption picture: 0 free, 1 busy, 2 paused.
    virtual void ShowIndicator(int indicator) = 0;
    // The collections changed: the hot-menu rebuilds its menu bar (a hot-icon has none).
    virtual void Refresh() = 0;
    // Hidden while the main menu is open, shown again after it.
    virtual void Show(bool visible) = 0;
    // "Mouse on Hot-icon" changed.
    virtual void SetHoverOpening(bool on) = 0;
    // A popup of the hot-menu's own bar is open.
    virtual bool HasOwnMenuOpen() const = 0;
    virtual WindowHandle Window() const = 0;
};

class IHotWindows {
public:
    virtual ~IHotWindows() = default;
    // The window of `style` (m_nHotStyle: the low four bits 1..7 and the hover bit) showing
    // `indicator`; null when it cannot be made.
    virtual std::unique_ptr<IHotWindow> Create(uint8_t style, int indicator) = 0;
};
