#include "menu_host_win32.h"

#include "app_runtime.h"
#include "menu_entries.h"
#include "ui/main_menu.h"

namespace {
constexpr UINT TRACK_FLAGS = TPM_RECURSE | TPM_RETURNCMD;
} // namespace

unsigned Win32MenuHost::TrackMainMenu(CMainMenu& menu, int x, int y) {
    RealizedMenu popup(menu.Model(), m_documents.Popups());
    if (!popup.Get())
        return 0;
    // Entries can be dragged out of the menu (WM_MENUDRAG) where the system allows it.
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    info.dwStyle = MNS_DRAGDROP;
    g_pfnSetMenuInfo(popup.Get(), &info);

    menu.m_hMenu = FromHmenu(popup.Get());
    UINT id = 0;
    {
        CMenuInputHook hook(m_menuInput); // also while its context menus are tracked inside
        id = TrackPopupMenuEx(popup.Get(), TRACK_FLAGS, x, y, m_window.Handle(), nullptr);
    }
    menu.m_hMenu = NO_MENU;
    m_tip.End();
    return id;
}

unsigned Win32MenuHost::TrackContextMenu(int index, bool paused, bool schedulerOn,
                                         MenuHandle& tracked) {
    ContextMenu menu(index, paused, schedulerOn);
    if (!menu.Popup())
        return 0;
    POINT at = {};
    GetCursorPos(&at);
    tracked = FromHmenu(menu.Popup());
    const UINT command =
        TrackPopupMenuEx(menu.Popup(), TRACK_FLAGS, at.x, at.y, m_window.Handle(), nullptr);
    tracked = NO_MENU;
    m_tip.End();
    return command;
}

void Win32MenuHost::CancelMenus() {
    SendMessageA(m_window.Handle(), WM_CANCELMODE, 0, 0);
}
