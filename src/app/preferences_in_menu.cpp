// The Preferences submenu while it is open: its marks, and the entries that flip a
// preference with a click and leave the menu open.
#include "app/install_port.h"
#include "app/preference_menu.h"
#include "app/service_wnd.h"
#include "platform/menu_host.h"
#include "resource.h"

void CServiceWnd::OnInitMenuPopup(MenuHandle popup, unsigned firstId, bool firstIsPopup,
                                  const std::string& fontFace) {
    if (m_hTrackedMenu == NO_MENU)
        return;
    m_hSelMenu = popup;
    m_nSelId = -1;
    PopupFacts facts;
    facts.firstIsPopup = firstIsPopup;
    facts.fontFace = fontFace;
    facts.languages[0] = true;
    if (!firstIsPopup && firstId == ID_LANGUAGE_FIRST)
        for (int i = 1; i < LANGUAGE_COUNT; ++i)
            facts.languages[static_cast<size_t>(i)] =
                TestLanguage(i, m_ports.languages, m_nLanguage);
    const PopupMarks marks = PreferenceMarks(firstId, *this, facts);
    m_ports.menus.ApplyMarks(popup, marks.marks);
    m_nSelId = marks.helpId;
}

bool CServiceWnd::TogglePreferenceInPlace() {
    if (m_hTrackedMenu == NO_MENU || m_nSelId < 0)
        return false;
    const PreferenceToggle toggle = TogglePreference(static_cast<unsigned>(m_nSelId), *this);
    if (!toggle.handled)
        return false;
    ApplyToggleEffects(toggle.effects);
    m_ports.menus.ApplyMarks(m_hSelMenu, toggle.marks);
    return true; // saved later: by autosave, the next command or at the end
}

void CServiceWnd::ApplyToggleEffects(unsigned effects) {
    if (effects & TOGGLE_HOT_KEYS) {
        UnregisterHotKeys();
        RegisterHotKeys(); // the mouse-at-top timer follows too
    }
    if (effects & TOGGLE_TRAY_ICON)
        SetTrayIcon(!(m_dwOptions & OPT_NO_TRAY_ICON));
    if (effects & TOGGLE_HOVER)
        m_hotWnd.SetHoverOpening((m_nHotStyle & HOT_STYLE_MOUSE_ON_ICON) != 0);
    if (effects & TOGGLE_AUTOSTART)
        m_ports.installation.SetAutostart(!(m_dwOptions & OPT_NO_AUTOSTART));
}
