#pragma once
// Hot keys: the key combinations that open the main menu from any program, and the super
// hot keys that paste the first three items directly.
#include <cstdint>

#include "app/service_state.h"

class IHotKeys;
class ITimers;
class IInputState;
class IClock;
class IServiceWindow;
class PasteTarget;
class HotWindowKeeper;

struct HotKeyPorts {
    IHotKeys& hotKeys;
    ITimers& timers;        // the mouse-at-top timer follows the preferences too
    IInputState& input;     // the keys of the hot key still held
    IClock& clock;          // the wait for their release
    IServiceWindow& window; // the main menu's command
};

// The paste a super hot key asks for.
class ISuperHotKeyPaste {
public:
    virtual ~ISuperHotKeyPaste() = default;
    // Super hot key `id` (4..6) pastes the item at position id - 4.
    virtual void PasteSuperHotKey(int id) = 0;
};

class HotKeys {
public:
    HotKeys(const HotKeyPorts& ports, ServiceState& state, PasteTarget& target,
            const HotWindowKeeper& hotWnd, ISuperHotKeyPaste& paste)
        : m_ports(ports), m_state(state), m_target(target), m_hotWnd(hotWnd), m_paste(paste) {}

    // Registers the hot keys the preferences name and sets the mouse-at-top timer. False
    // when neither Ctrl+Shift+Insert nor Ctrl+Shift+V could be had.
    bool Register();
    void Unregister();
    // WM_HOTKEY: `lParam` carries the hot key's virtual key in its high word.
    void OnHotKey(int id, intptr_t lParam);

private:
    void WaitForKeysReleased(unsigned vk);

    HotKeyPorts m_ports;
    ServiceState& m_state;
    PasteTarget& m_target;
    const HotWindowKeeper& m_hotWnd;
    ISuperHotKeyPaste& m_paste;
};
