// The hot window as the hot-menu: a captioned tool window whose menu bar is the main menu,
// one row per entry; resting on a popup row opens its popup.
#include <windowsx.h>

#include "app/service_wnd.h"
#include "app_runtime.h"
#include "documents_menus.h"
#include "hot_wnd.h"
#include "menu_draw.h"
#include "port/clock_win32.h"
#include "resource.h"
#include "ui/main_menu.h"
#include "ui/menu_ids.h"
#include "ui/menu_rules.h"

namespace {
constexpr UINT_PTR TIMER_POPUP = 2;
constexpr UINT POPUP_DELAY_MS = 300;
constexpr UINT POPUP_SOON_MS = 100; // after a click on a popup row
constexpr int CAPTION_PICTURE = 20;
constexpr int DRAG_COLUMN = 20; // left of this the pointer drags a row's item out
constexpr int CAPTION_POINTS = 7;
// Posted when a menu loop over the bar has ended and the collections changed meanwhile.
constexpr UINT WM_REFRESH_BAR = WM_APP + 1;

// The status ids of the extension and collection popups.
bool IsPopupStatus(int32_t id) {
    return id >= ID_STATUS_TIME && id <= ID_STATUS_COLLECTION;
}

POINT WindowPoint(HWND window, LPARAM screen) {
    RECT r = {};
    GetWindowRect(window, &r);
    return {GET_X_LPARAM(screen) - r.left, GET_Y_LPARAM(screen) - r.top};
}
} // namespace

HotMenuMetrics CHotWnd::Metrics() const {
    HotMenuMetrics m;
    m.cySmCaption = GetSystemMetrics(SM_CYSMCAPTION);
    m.cxFrame = GetSystemMetrics(SM_CXFRAME);
    m.cyFrame = GetSystemMetrics(SM_CYFRAME);
    m.cxSmSize = GetSystemMetrics(SM_CXSMSIZE);
    return m;
}

void CHotWnd::InitHotMenu() {
    // No system menu: its close button would end the whole program at a slip of the mouse
    // (Alt+F4 still does), and the caption holds the collapse button alone.
    SetWindowLongPtrA(Handle(), GWL_STYLE,
                      GetWindowLongPtrA(Handle(), GWL_STYLE) | WS_CAPTION | WS_THICKFRAME);
    {
        WindowDC dc(Handle());
        const int height = -MulDiv(CAPTION_POINTS, GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
        m_fontCaption.Reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH, "Small Fonts"));
    }
    RefreshHotMenu();
    const PixelSize collapsed = CollapsedSize(Metrics());
    const HotPoint at = m_service.m_ptHot;
    const PixelRect place =
        PlaceOnDesktop({at.x, at.y, at.x + collapsed.cx, at.y + collapsed.cy}, Monitors());
    SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, collapsed.cx, collapsed.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    SendMessageA(Handle(), WM_NCACTIVATE, TRUE, 0); // drawn active from the start
}

void CHotWnd::ReleaseBar() {
    if (m_pBar)
        ReleaseMainMenu(m_pBar.Get(), m_documents.Popups());
    m_pBar.Reset();
    m_barModel.reset();
}

void CHotWnd::RefreshHotMenu() {
    auto model = std::make_unique<CMainMenu>(
        BuildMainMenu({m_service.m_activeList, m_service.m_collectionList, m_service.m_dwOptions,
                       &m_systemLists}));
    UniqueMenu bar(CreateMenu());
    if (!bar)
        return;
    AppendEntries(bar.Get(), model->Model(), m_documents.Popups());
    SetMenu(Handle(), bar.Get());
    ReleaseBar(); // the old bar, no longer the window's
    m_pBar = std::move(bar);
    m_barModel = std::move(model);
    m_nHotEntry = -1;
    m_hHoverPopup = nullptr;

    const HotPoint at = m_service.m_ptHot;
    const int width = HotMenuWidth(m_service.m_nHotMenuWidth, GetSystemMetrics(SM_CXSCREEN));
    const HotMenuMetrics metrics = Metrics();
    DrawMenuBar(Handle());
    const int count = GetMenuItemCount(m_pBar.Get());
    RECT first = {}, last = {};
    if (count > 0) {
        GetMenuItemRect(Handle(), m_pBar.Get(), 0, &first);
        GetMenuItemRect(Handle(), m_pBar.Get(), static_cast<UINT>(count - 1), &last);
    }
    if (!m_bCollapsed) {
        const int height = ExpandedHeight(first.top, last.bottom, metrics);
        const PixelRect place =
            PlaceOnDesktop({at.x, at.y, at.x + width, at.y + height}, Monitors());
        SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, width, height, SWP_NOACTIVATE);
    }

    // Only moving, sizing and closing are offered in the system menu.
    HMENU system = GetSystemMenu(Handle(), FALSE);
    for (int pos = 0; system && pos < GetMenuItemCount(system);) {
        const UINT id = GetMenuItemID(system, pos);
        if (id == static_cast<UINT>(-1))
            break;
        if (id == SC_SIZE || id == SC_MOVE || id == SC_CLOSE)
            ++pos;
        else
            DeleteMenu(system, static_cast<UINT>(pos), MF_BYPOSITION);
    }
}

LRESULT CHotWnd::HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCPAINT: {
        const LRESULT r = DefaultProc(msg, wParam, lParam);
        PaintCaption();
        return r;
    }
    case WM_NCACTIVATE:
        DefaultProc(msg, TRUE, lParam); // the caption never shows inactive
        PaintCaption();
        return TRUE;
    case WM_NCHITTEST:
        return OnMenuHitTest(lParam);
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!mis || mis->CtlType != ODT_MENU)
            return DefaultProc(msg, wParam, lParam);
        WindowDC dc(Handle());
        int32_t rowHeight = 0;
        MeasureMenuEntry(dc.Get(), *mis, reinterpret_cast<HFONT>(m_service.m_font),
                         Win32Clock().LocalNow(), true, rowHeight);
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (!dis || dis->CtlType != ODT_MENU)
            return DefaultProc(msg, wParam, lParam);
        OnBarRowDrawn(*dis);
        return TRUE;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        if (OnMenuNcButton(msg, wParam, lParam))
            return 0;
        return DefaultProc(msg, wParam, lParam);
    case WM_SETCURSOR: {
        // Over a row's picture the pointer offers to drag the row's item out.
        POINT at = {};
        GetCursorPos(&at);
        RECT r = {};
        GetWindowRect(Handle(), &r);
        if (LOWORD(lParam) == HTMENU && !m_bCollapsed && m_service.m_pSelItem &&
            at.x - r.left < DRAG_COLUMN) {
            const bool copy = GetKeyState(VK_CONTROL) < 0;
            SetCursor(LoadCursorA(GetModuleHandleA(nullptr),
                                  MAKEINTRESOURCEA(copy ? IDC_DRAG_COPY : IDC_DRAG_MOVE)));
            return TRUE;
        }
        return DefaultProc(msg, wParam, lParam);
    }
    case WM_ENTERMENULOOP:
        ++m_menuLoops;
        return DefaultProc(msg, wParam, lParam);
    case WM_EXITMENULOOP:
        if (m_menuLoops > 0 && --m_menuLoops == 0 && m_refreshWanted)
            PostMessageA(Handle(), WM_REFRESH_BAR, 0, 0);
        return DefaultProc(msg, wParam, lParam);
    case WM_REFRESH_BAR:
        m_refreshWanted = false;
        Refresh();
        return 0;
    case WM_GETMINMAXINFO: { // collapsed, it is no more than its caption
        const PixelSize least = CollapsedSize(Metrics());
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
        return 0;
    }
    case WM_SYSCOMMAND:
        OnMenuSysCommand(wParam, lParam);
        return 0;
    case WM_EXITSIZEMOVE: // a new width is kept at once
        SavePosition();
        return DefaultProc(msg, wParam, lParam);
    case WM_CHAR: {
        // A letter applies its command to the highlighted item, as in the main menu.
        const int32_t entry = m_service.m_nSelEntryId;
        const int32_t command = LetterCommand(static_cast<unsigned>(wParam));
        if (command && entry >= 1 && entry <= static_cast<int32_t>(MAX_MENU_ITEMS))
            PostMessageA(ToHwnd(m_service.GetSafeHwnd()), WM_COMMAND, static_cast<WPARAM>(entry),
                         command);
        return 0;
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

void CHotWnd::PaintCaption() {
    HDC dc = GetWindowDC(Handle());
    if (!dc)
        return;
    if (HICON picture = LoadMenuIcon(IDI_CAPTION_FREE + static_cast<unsigned>(m_nIndicator)))
        DrawIconEx(dc, 0, 0, picture, CAPTION_PICTURE, CAPTION_PICTURE, 0, nullptr, DI_NORMAL);
    RECT window = {};
    GetWindowRect(Handle(), &window);
    const PixelRect button = CaptionButton(window.right - window.left, Metrics());
    m_rectButton = {button.left, button.top, button.right, button.bottom};
    if (!m_bCollapsed) {
        m_captionText = HotMenuCaption(Win32Clock().LocalNow(), PlayerStatus());
        const std::string& text = m_captionText;
        RECT r = {CAPTION_PICTURE + 2, m_rectButton.top, m_rectButton.left - 2,
                  m_rectButton.bottom};
        SelectedObject font(dc, m_fontCaption ? static_cast<HGDIOBJ>(m_fontCaption.Get())
                                              : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ReleaseDC(Handle(), dc);
    DrawCaptionButton(false);
    m_nButtonState = 0;
}

void CHotWnd::DrawCaptionButton(bool pushed) {
    HDC dc = GetWindowDC(Handle());
    if (!dc)
        return;
    // A button face with the sign drawn here: the caption font's signs may be missing.
    DrawFrameControl(dc, &m_rectButton, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0u));
    const int shift = pushed ? 1 : 0;
    const int w = m_rectButton.right - m_rectButton.left;
    const int h = m_rectButton.bottom - m_rectButton.top;
    RECT sign = {m_rectButton.left + w / 4 + shift, m_rectButton.top + h / 4 + shift,
                 m_rectButton.right - w / 4 + shift, m_rectButton.bottom - h / 4 + shift};
    HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
    if (m_bCollapsed) { // restore: a small window
        FrameRect(dc, &sign, ink);
        RECT title = {sign.left, sign.top, sign.right, sign.top + 2};
        FillRect(dc, &title, ink);
    } else { // collapse: a bar at the bottom
        RECT bar = {sign.left, sign.bottom - 2, sign.right, sign.bottom};
        FillRect(dc, &bar, ink);
    }
    ReleaseDC(Handle(), dc);
    m_nButtonState = pushed ? DFCS_PUSHED : 0u;
}

LRESULT CHotWnd::OnMenuHitTest(LPARAM lParam) {
    SavePosition();
    const LRESULT r = DefaultProc(WM_NCHITTEST, 0, lParam);
    if (m_bCollapsed)
        return r == HTSYSMENU || r == HTCLOSE ? r : HTCAPTION; // the whole caption drags it
    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    HighlightRow(r == HTMENU && m_pBar ? MenuItemFromPoint(Handle(), m_pBar.Get(), at) : -1);
    return r;
}

void CHotWnd::HighlightRow(int row) {
    if (row == m_nHotEntry)
        return;
    // A popup opened from another row closes, unless an item of a collection is being
    // dragged out of it.
    const bool draggingOut = m_service.m_pDragItem && m_service.m_pDragItem->owner;
    if (!draggingOut)
        SendMessageA(ToHwnd(m_service.GetSafeHwnd()), WM_CANCELMODE, 0, 0);
    if (m_nHotEntry >= 0 && m_pBar)
        HiliteMenuItem(Handle(), m_pBar.Get(), static_cast<UINT>(m_nHotEntry),
                       MF_BYPOSITION | MF_UNHILITE);
    m_nHotEntry = row;
    if (row < 0) {
        m_hHoverPopup = nullptr;
        return;
    }
    // The system redraws the row highlighted, which reports its entry (OnBarRowDrawn).
    HiliteMenuItem(Handle(), m_pBar.Get(), static_cast<UINT>(row), MF_BYPOSITION | MF_HILITE);
}

void CHotWnd::OnBarRowDrawn(const DRAWITEMSTRUCT& dis) {
    if (m_bCollapsed)
        return;
    DRAWITEMSTRUCT row = dis;
    RECT client = {};
    GetClientRect(Handle(), &client);
    row.rcItem.right = std::min(row.rcItem.right, client.right);
    DrawMenuEntry(row, m_service, m_service.m_nSelEntryId, m_service.m_pSelItem);
    if (!(dis.itemAction & ODA_SELECT) || !(dis.itemState & ODS_SELECTED))
        return;
    m_service.RememberTarget();
    RECT exclude = {};
    GetWindowRect(Handle(), &exclude);
    exclude.left += 8;
    exclude.right -= 16;
    m_tpm = {sizeof m_tpm, exclude};
    POINT at = {};
    GetCursorPos(&at);
    if (!PtInRect(&exclude, at) || m_nHotEntry < 0)
        return;
    if (HMENU popup = GetSubMenu(m_pBar.Get(), m_nHotEntry)) {
        m_hHoverPopup = popup;
        m_ptPopup = at;
        SetTimer(Handle(), TIMER_POPUP, POPUP_DELAY_MS, nullptr);
    } else if (!(m_service.m_pDragItem && m_service.m_pDragItem->owner)) {
        SendMessageA(ToHwnd(m_service.GetSafeHwnd()), WM_CANCELMODE, 0, 0);
        m_hHoverPopup = nullptr;
    }
}

void CHotWnd::OnHoverPopupTimer() {
    KillTimer(Handle(), TIMER_POPUP);
    HMENU popup = m_hHoverPopup;
    if (!popup || m_service.m_pDragItem || m_service.m_hTrackedMenu != NO_MENU || !m_pBar)
        return;
    POINT at = {};
    GetCursorPos(&at);
    if (MenuItemFromPoint(Handle(), m_pBar.Get(), at) != m_nHotEntry)
        return;
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_STYLE;
    info.dwStyle = MNS_DRAGDROP;
    g_pfnSetMenuInfo(popup, &info);
    // The window may be gone when the popup returns: nothing of it is touched then.
    CServiceWnd& owner = m_service;
    const HWND service = ToHwnd(owner.GetSafeHwnd());
    const HWND self = Handle();
    // As for the main menu: the keys reach the popup, and a click elsewhere closes it.
    owner.FocusForMenu();
    ++m_menuLoops;
    const UINT id = TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_VCENTERALIGN | TPM_RECURSE,
                                     m_ptPopup.x, m_ptPopup.y, service, &m_tpm);
    owner.EndMenuFocus();
    if (!IsWindow(self))
        return;
    --m_menuLoops;
    m_hHoverPopup = nullptr;
    if (m_refreshWanted && m_menuLoops == 0)
        PostMessageA(self, WM_REFRESH_BAR, 0, 0);
    SendMessageA(service, WM_COMMAND, id, m_service.m_nPendingCmd);
}

bool CHotWnd::OnMenuNcButton(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND service = ToHwnd(m_service.GetSafeHwnd());
    const POINT at = WindowPoint(Handle(), lParam);
    const bool onButton = PtInRect(&m_rectButton, at) != FALSE;
    const bool popupRow = IsPopupStatus(m_service.m_nSelEntryId);
    switch (msg) {
    case WM_NCLBUTTONDOWN:
        SavePosition();
        if (m_hHoverPopup) {
            if (popupRow) // a click opens the popup sooner
                SetTimer(Handle(), TIMER_POPUP, POPUP_SOON_MS, nullptr);
            return true;
        }
        if (onButton) {
            DrawCaptionButton(true);
            return true;
        }
        if (wParam == HTMENU && m_nHotEntry >= 0 && !m_bCollapsed && at.x < DRAG_COLUMN) {
            SendMessageA(service, WM_MENUDRAG, 0, 0); // the row's item is dragged out
            return true;
        }
        return popupRow;
    case WM_NCLBUTTONUP: {
        SavePosition();
        if (m_hHoverPopup)
            return true;
        const bool wasPushed = (m_nButtonState & DFCS_PUSHED) != 0;
        if (onButton || wasPushed) {
            DrawCaptionButton(false);
            if (onButton && wasPushed)
                SendMessageA(Handle(), WM_SYSCOMMAND, m_bCollapsed ? SC_RESTORE : SC_MINIMIZE, 0);
            return true;
        }
        return popupRow;
    }
    case WM_NCMOUSEMOVE:
        if ((m_nButtonState & DFCS_PUSHED) && !onButton)
            DrawCaptionButton(false);
        return false;
    case WM_NCRBUTTONDOWN:
        SavePosition();
        SendMessageA(service, WM_COMMAND, 0, ID_OPEN_CONTEXT_MENU);
        return true;
    case WM_NCRBUTTONUP:
        SavePosition();
        return true;
    default:
        return false;
    }
}

void CHotWnd::OnMenuSysCommand(WPARAM command, LPARAM lParam) {
    switch (command & 0xFFF0) {
    case SC_MINIMIZE: {
        m_bCollapsed = true;
        const PixelSize size = CollapsedSize(Metrics());
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PaintCaption();
        return;
    }
    case SC_RESTORE:
        m_bCollapsed = false;
        RefreshHotMenu();
        return;
    case SC_CLOSE:
        m_service.Close();
        return;
    default:
        DefaultProc(WM_SYSCOMMAND, command, lParam); // the bar's own menu loop among them
        return;
    }
}
