// Hot keys: the key combinations that open the main menu from any program, and the super
// hot keys that paste the first three items directly.
#include "app/hot_keys.h"

#include "app/hot_window_keeper.h"
#include "app/paste_target.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/service_window.h"
#include "platform/win_constants.h"
#include "resource.h"

namespace {
// The menu opens this soon after the keys are let go: a coarser poll is felt as a slow menu.
constexpr uint32_t KEY_POLL_MS = 10;
// A key that never reads as released (a stuck key, a lost key-up) must not hold the
// program forever: the wait ends after 10 s in all.
constexpr int KEY_POLLS_MAX = 10000 / KEY_POLL_MS;

// The hot-key control's modifier flags as RegisterHotKey wants them.
unsigned HotKeyModifiers(uint8_t flags) {
    unsigned mods = 0;
    if (flags & win::HOTKEYF_SHIFT)
        mods |= win::MOD_SHIFT;
    if (flags & win::HOTKEYF_CONTROL)
        mods |= win::MOD_CONTROL;
    if (flags & win::HOTKEYF_ALT)
        mods |= win::MOD_ALT;
    if (flags & win::HOTKEYF_EXT)
        mods |= win::MOD_WIN;
    return mods;
}
} // namespace

bool HotKeys::Register() {
    ServiceState& s = m_state;
    IHotKeys& keys = m_ports.hotKeys;
    if (s.m_dwOptions & OPT_MOUSE_AT_TOP)
        m_ports.timers.Set(s.m_hWnd, TIMER_MOUSE_AT_TOP, MOUSE_AT_TOP_PERIOD_MS);
    else
        m_ports.timers.Kill(s.m_hWnd, TIMER_MOUSE_AT_TOP);

    // 1, 2: Alt+1,2,3 and Ctrl+1,2,3; 3, 4: Alt+F1,F2,F3 and Ctrl+F1,F2,F3.
    if (s.m_nSuperHotKey >= 1 && s.m_nSuperHotKey <= 4) {
        const unsigned mods = (s.m_nSuperHotKey & 1) ? win::MOD_ALT : win::MOD_CONTROL;
        const unsigned firstKey = s.m_nSuperHotKey <= 2 ? unsigned('1') : win::VK_F1;
        for (int i = 0; i < 3; ++i)
            keys.Register(s.m_hWnd, HOTKEY_SUPER_FIRST + i, mods, firstKey + unsigned(i));
    }
    if (s.m_nUserHotKeyVk != 0)
        keys.Register(s.m_hWnd, HOTKEY_USER, HotKeyModifiers(s.m_nUserHotKeyMods),
                      s.m_nUserHotKeyVk);

    if ((s.m_dwOptions & OPT_HK_ALT_SHIFT_INS) &&
        !keys.Register(s.m_hWnd, HOTKEY_ALT_SHIFT_INS, win::MOD_ALT | win::MOD_SHIFT,
                       win::VK_INSERT))
        s.m_dwOptions &= ~OPT_HK_ALT_SHIFT_INS;

    // The second hot key: the chosen one of Ctrl+Shift+Insert and Ctrl+Shift+V, else the
    // other; the option bits end up naming the one held.
    const unsigned ctrlShift = win::MOD_CONTROL | win::MOD_SHIFT;
    // Tries the key whose option bit is `chosen`; either way the bits name the key to hold.
    auto tryKey = [&](uint32_t chosen, uint32_t other, unsigned vk) {
        if (!(s.m_dwOptions & chosen))
            return false;
        if (keys.Register(s.m_hWnd, HOTKEY_CTRL_SHIFT, ctrlShift, vk)) {
            s.m_dwOptions &= ~other;
            return true;
        }
        s.m_dwOptions = (s.m_dwOptions & ~chosen) | other;
        return false;
    };
    auto tryInsert = [&] {
        return tryKey(OPT_HK_CTRL_SHIFT_INS, OPT_HK_CTRL_SHIFT_V, win::VK_INSERT);
    };
    auto tryV = [&] { return tryKey(OPT_HK_CTRL_SHIFT_V, OPT_HK_CTRL_SHIFT_INS, win::VK_V); };
    return tryInsert() || tryV() || tryInsert();
}

void HotKeys::Unregister() {
    for (int id = HOTKEY_ALT_SHIFT_INS; id <= HOTKEY_SUPER_LAST; ++id)
        m_ports.hotKeys.Unregister(m_state.m_hWnd, id);
}

void HotKeys::OnHotKey(int id, intptr_t lParam) {
    if (m_state.m_pMainMenu || (m_state.m_dwState & ST_BUSY))
        return;
    m_target.RememberTarget();
    if (id >= HOTKEY_SUPER_FIRST && id <= HOTKEY_SUPER_LAST) {
        m_paste.PasteSuperHotKey(id);
        return;
    }
    if (m_hotWnd.IsHotMenu())
        return; // it offers the menu itself
    // The menu must not see the keys of the hot key still held.
    WaitForKeysReleased(static_cast<unsigned>((static_cast<uintptr_t>(lParam) >> 16) & 0xFFFF));
    m_target.RememberTarget();
    m_ports.window.SendCommand(0, ID_OPEN_MAIN_MENU);
}

void HotKeys::WaitForKeysReleased(unsigned vk) {
    int polls = 0;
    for (unsigned key : {vk, win::VK_MENU, win::VK_CONTROL, win::VK_SHIFT}) {
        while (key != 0 && m_ports.input.IsKeyDown(key)) {
            if (++polls > KEY_POLLS_MAX)
                return;
            m_ports.clock.Sleep(KEY_POLL_MS);
        }
    }
}
