#include "menu_host_win32.h"

#include "app_runtime.h"
#include "menu_entries.h"
#include "ui/main_menu.h"

namespace {
constexpr UINT TRACK_FLAGS = TPM_RECURSE | TPM_RETURNCMD;

// While a context menu is tracked, its left clicks go to the click filter first: the system's
// menu loop offers each message to the thread's message filter (WH_MSGFILTER, MSGF_MENU),
// on Windows and under Wine alike. A press the filter takes takes its release with it, or
// the menu would choose the entry on the release.
class ClickHook {
public:
    explicit ClickHook(const Win32MenuHost::ClickFilter& filter) : m_filter(filter) {
        if (t_current || !m_filter)
            return;
        m_hook = SetWindowsHookExA(WH_MSGFILTER, FilterProc, nullptr, GetCurrentThreadId());
        if (m_hook)
            t_current = this;
    }
    ~ClickHook() {
        if (!m_hook)
            return;
        UnhookWindowsHookEx(m_hook);
        t_current = nullptr;
    }
    ClickHook(const ClickHook&) = delete;
    ClickHook& operator=(const ClickHook&) = delete;

private:
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        ClickHook* self = t_current;
        if (code == MSGF_MENU && msg && self && self->Takes(*msg))
            return TRUE;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    bool Takes(const MSG& msg) {
        if (msg.message == WM_LBUTTONDOWN) {
            m_releaseTaken = m_filter();
            return m_releaseTaken;
        }
        if (msg.message == WM_LBUTTONUP && m_releaseTaken) {
            m_releaseTaken = false;
            return true;
        }
        return false;
    }

    static thread_local ClickHook* t_current;
    const Win32MenuHost::ClickFilter& m_filter;
    HHOOK m_hook = nullptr;
    bool m_releaseTaken = false;
};
thread_local ClickHook* ClickHook::t_current = nullptr;

// The shown menu windows of this thread that show `popup` draw it anew: an open menu shows
// changed marks only when its rows repaint.
void RepaintShownMenu(HMENU popup) {
    struct Search {
        HMENU popup;
    } search{popup};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            constexpr ULONG_PTR MENU_CLASS_ATOM = 32768; // "#32768", the popup menus
            const auto* s = reinterpret_cast<const Search*>(lParam);
            if (GetClassLongPtrA(window, GCW_ATOM) == MENU_CLASS_ATOM &&
                reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)) == s->popup)
                InvalidateRect(window, nullptr, TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
}
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
    UINT command = 0;
    {
        ClickHook clicks(m_onClick);
        command =
            TrackPopupMenuEx(menu.Popup(), TRACK_FLAGS, at.x, at.y, m_window.Handle(), nullptr);
    }
    tracked = NO_MENU;
    m_tip.End();
    return command;
}

void Win32MenuHost::CancelMenus() {
    SendMessageA(m_window.Handle(), WM_CANCELMODE, 0, 0);
}

void Win32MenuHost::ApplyMarks(MenuHandle handle, const MenuMarks& marks) {
    HMENU popup = ToHmenu(handle);
    if (!popup)
        return;
    for (const auto& [id, on] : marks.checks)
        CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    for (const MenuMarks::Radio& radio : marks.radios)
        CheckMenuRadioItem(popup, radio.first, radio.last, radio.on, MF_BYCOMMAND);
    for (const auto& [id, on] : marks.enabled)
        EnableMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    for (const auto& [id, text] : marks.texts) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        std::string copy = text; // the system wants a writable buffer
        info.dwTypeData = &copy[0];
        SetMenuItemInfoA(popup, id, FALSE, &info);
    }
    if (marks.defaultId)
        SetMenuDefaultItem(popup, marks.defaultId, FALSE);
    RepaintShownMenu(popup);
}
