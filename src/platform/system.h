#pragma once
// The system's small services, each a port of one or two calls: sounds, the screen's size,
// the last error code, message boxes, hot keys, window timers, the keyboard and mouse
// state, and synthesised keys. Implemented in src/win32/port/system_win32.cpp.
#include <cstdint>
#include <string>

#include "platform/handles.h"

// The system's event sounds.
class ISound {
public:
    virtual ~ISound() = default;
    // MessageBeep: 0xFFFFFFFF the simple beep, else an MB_ICON... or MB_OK value.
    virtual void MessageBeep(uint32_t type) = 0;
};

// The size of the primary screen, in pixels. Read when it matters (a resolution may change
// while the program runs).
struct ScreenSize {
    int cx = 0;
    int cy = 0;
};

class IScreen {
public:
    virtual ~IScreen() = default;
    virtual ScreenSize Size() const = 0;
};

// The system's code for the last failed call of this thread. Clean-up after a failure
// calls the system again; the code is saved and put back so that the error shown to the
// user is the one that stopped the operation.
class ILastError {
public:
    virtual ~ILastError() = default;
    virtual unsigned Get() const = 0;
    virtual void Set(unsigned code) = 0;
};

// Modal message boxes without an owner window.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Shows `text` under `caption` with the MB_ flags given (win_constants.h) and returns the
    // button chosen (IDYES, IDNO, IDOK ...).
    virtual int Show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

// System-wide hot keys: a key combination reported to a window as WM_HOTKEY with an id.
class IHotKeys {
public:
    virtual ~IHotKeys() = default;
    // `modifiers` are MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN. False when another program
    // (or this window under another id) holds the combination.
    virtual bool Register(WindowHandle window, int id, unsigned modifiers, unsigned vk) = 0;
    virtual void Unregister(WindowHandle window, int id) = 0;
};

// Window timers: WM_TIMER with the timer's id to the window, every period.
class ITimers {
public:
    virtual ~ITimers() = default;
    // Starts the timer, or restarts it with the new period when it runs.
    virtual bool Set(WindowHandle window, uintptr_t id, unsigned periodMs) = 0;
    virtual void Kill(WindowHandle window, uintptr_t id) = 0;
};

// What the mouse and the keyboard are doing right now, system-wide.
struct ScreenPoint {
    int x = -1;
    int y = -1;
};

class IInputState {
public:
    virtual ~IInputState() = default;
    virtual ScreenPoint CursorPos() const = 0;
    // The key is held down at this moment (GetAsyncKeyState).
    virtual bool IsKeyDown(unsigned vk) const = 0;
};

// Keystrokes the program types into the application it pastes into, and the state of the
// toggle keys.
class IKeyInput {
public:
    virtual ~IKeyInput() = default;
    // A key event as if typed (scan code 0, no extended-key flag).
    virtual void KeyDown(unsigned vk) = 0;
    virtual void KeyUp(unsigned vk) = 0;
    // A toggle key such as Caps Lock is on.
    virtual bool IsToggled(unsigned vk) const = 0;
};
