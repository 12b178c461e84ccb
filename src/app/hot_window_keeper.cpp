#include "app/hot_window_keeper.h"

#include <algorithm>

#include "ui/hot_geometry.h"

namespace {
int16_t ToInt16(int value) {
    return static_cast<int16_t>(std::max(-32768, std::min(value, 32767)));
}
} // namespace

void HotWindowKeeper::Create(bool busy, bool paused) {
    Destroy();
    if (LookOfHotStyle(m_prefs.m_nHotStyle).kind != HotKind::None)
        m_pHotWnd = m_windows.Create(m_prefs.m_nHotStyle, IndicatorOf(busy, paused));
}

void HotWindowKeeper::Destroy() {
    m_pHotWnd.reset();
}

void HotWindowKeeper::ChooseStyle(uint8_t style, bool paused) {
    style &= HOT_STYLE_MASK;
    if (style == 0) {
        // Only taking a window away clears the bit: with none shown nothing changes.
        if (m_pHotWnd)
            m_prefs.m_nHotStyle = 0;
        Destroy();
        return;
    }
    m_prefs.m_nHotStyle =
        static_cast<uint8_t>(style | (m_prefs.m_nHotStyle & HOT_STYLE_MOUSE_ON_ICON));
    Create(false, paused);
}

void HotWindowKeeper::SetHoverOpening(bool on) {
    if (m_pHotWnd)
        m_pHotWnd->SetHoverOpening(on);
}

bool HotWindowKeeper::IsHotMenu() const {
    return m_pHotWnd && LookOfHotStyle(m_prefs.m_nHotStyle).kind == HotKind::Menu;
}

bool HotWindowKeeper::IsHotWindow(WindowHandle window) const {
    return m_pHotWnd && window != NO_WINDOW && m_pHotWnd->Window() == window;
}

bool HotWindowKeeper::HasOwnMenuOpen() const {
    return m_pHotWnd && m_pHotWnd->HasOwnMenuOpen();
}

void HotWindowKeeper::ShowState(bool busy, bool paused) {
    if (m_pHotWnd)
        m_pHotWnd->ShowIndicator(IndicatorOf(busy, paused));
}

void HotWindowKeeper::Refresh() {
    if (m_pHotWnd)
        m_pHotWnd->Refresh();
}

void HotWindowKeeper::HideForMenu() {
    if (m_pHotWnd)
        m_pHotWnd->Show(false);
}

void HotWindowKeeper::ShowAfterMenu() {
    if (m_pHotWnd)
        m_pHotWnd->Show(true);
}

bool HotWindowKeeper::SavePlace(const PixelRect& window, bool collapsed) {
    const HotPoint old = m_prefs.m_ptHot;
    m_prefs.m_ptHot.x = ToInt16(window.left);
    m_prefs.m_ptHot.y = ToInt16(window.top);
    if (!collapsed)
        m_prefs.m_nHotMenuWidth = ToInt16(window.right - window.left);
    return old.x != m_prefs.m_ptHot.x || old.y != m_prefs.m_ptHot.y;
}

bool HotWindowKeeper::OpensMainMenu(HotClick click) const {
    const bool leftClickMenu = (m_prefs.m_dwOptions & OPT_LEFT_CLICK_MENU) != 0;
    switch (click) {
    case HotClick::Left:
        return leftClickMenu;
    case HotClick::Right:
        return !leftClickMenu;
    case HotClick::Double:
    default:
        return true;
    }
}
