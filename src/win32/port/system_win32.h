#pragma once
// The system's small services on Windows.
#include "platform/system.h"

class Win32Sound final : public ISound {
public:
    void MessageBeep(uint32_t type) override;
};

class Win32Screen final : public IScreen {
public:
    ScreenSize Size() const override;
};

class Win32LastError final : public ILastError {
public:
    unsigned Get() const override;
    void Set(unsigned code) override;
};

class Win32MessageBox final : public IMessageBox {
public:
    int Show(const std::string& text, const std::string& caption, unsigned flags) override;
};

class Win32HotKeys final : public IHotKeys {
public:
    bool Register(WindowHandle window, int id, unsigned modifiers, unsigned vk) override;
    void Unregister(WindowHandle window, int id) override;
};

class Win32Timers final : public ITimers {
public:
    bool Set(WindowHandle window, uintptr_t id, unsigned periodMs) override;
    void Kill(WindowHandle window, uintptr_t id) override;
};

class Win32InputState final : public IInputState {
public:
    ScreenPoint CursorPos() const override;
    bool IsKeyDown(unsigned vk) const override;
};

class Win32KeyInput final : public IKeyInput {
public:
    void KeyDown(unsigned vk) override;
    void KeyUp(unsigned vk) override;
    bool IsToggled(unsigned vk) const override;
};
