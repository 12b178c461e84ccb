// The service window's messages while a menu is open: owner drawing, typed keys, the
// highlight of context menus, tips, right clicks and drags out of the main menu.
#include "app/dispatch.h"
#include "app/drag_data.h"
#include "menu_draw.h"
#include "menu_drag.h"
#include "resource.h"
#include "service_host.h"
#include "ui/menu_rules.h"

namespace {
// Posted by OnMenuInput: the menu loop dispatches it once it has done with the input.
constexpr UINT WM_PENDING_CONTEXT_MENU = WM_APP + 1;
constexpr ATOM MENU_CLASS_ATOM = 32768; // "#32768", the system's popup menu windows

// An entry of one of this thread's popup menus lies under the screen point.
bool IsOverMenuEntry(POINT at) {
    HWND under = WindowFromPoint(at);
    if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId() ||
        GetClassLongPtrA(under, GCW_ATOM) != MENU_CLASS_ATOM)
        return false;
    auto* menu = reinterpret_cast<HMENU>(SendMessageA(under, MN_GETHMENU, 0, 0));
    return menu && MenuItemFromPoint(nullptr, menu, at) >= 0;
}
} // namespace

void CServiceHost::BuildDocumentsMenus() {
    m_documentsMenus.Build(m_systemLists, m_documents);
}

void CServiceHost::FreeDocumentsMenus() {
    m_documentsMenus.Free();
}

bool CServiceHost::HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!mis || mis->CtlType != ODT_MENU)
            return false;
        WindowDC dc(Handle());
        MeasureMenuEntry(dc.Get(), *mis, m_font.Get(), m_clock.LocalNow(), false,
                         m_service.m_nMenuRowHeight);
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!dis || dis->CtlType != ODT_MENU)
            return false;
        if (m_service.m_hTrackedMenu != NO_MENU &&
            reinterpret_cast<HMENU>(dis->hwndItem) == ToHmenu(m_service.m_hTrackedMenu)) {
            CClipItem* unused = nullptr; // context-menu entries carry no item
            DrawMenuEntry(*dis, m_service, m_service.m_nSelId, unused);
        } else {
            DrawMenuEntry(*dis, m_service, m_service.m_nSelEntryId, m_service.m_pSelItem);
        }
        result = TRUE;
        return true;
    }
    case WM_MENUCHAR:
        result =
            m_service.OnMenuChar(LOWORD(wParam), GetMenuItemCount(reinterpret_cast<HMENU>(lParam)));
        return true;
    case WM_INITMENUPOPUP:
        result = DefaultProc(msg, wParam, lParam);
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return true;
    case WM_MENUSELECT:
        result = DefaultProc(msg, wParam, lParam);
        m_service.OnMenuSelect(LOWORD(wParam), FromHmenu(reinterpret_cast<HMENU>(lParam)));
        return true;
    case WM_ENTERIDLE:
        result = DefaultProc(msg, wParam, lParam);
        if (wParam == MSGF_MENU && !m_service.m_pDragItem)
            m_tip.Update(m_service, m_font.Get()); // the hot window keeps no state to update
        return true;
    case WM_EXITMENULOOP:
        // Also the hot-menu's popups, which it tracks for this window: their tip goes too.
        result = DefaultProc(msg, wParam, lParam);
        m_tip.End();
        return true;
    case WM_MENURBUTTONUP:
        m_bContextMenuPending = false; // the system's own road: the fallback stands down
        SendMessageA(Handle(), WM_COMMAND, 0, ID_OPEN_CONTEXT_MENU);
        result = 0;
        return true;
    case WM_RBUTTONDOWN:
        SendMessageA(Handle(), WM_COMMAND, 0, ID_OPEN_CONTEXT_MENU);
        result = 0;
        return true;
    case WM_PENDING_CONTEXT_MENU:
        OpenPendingContextMenu();
        result = 0;
        return true;
    case WM_MENUDRAG:
        result = OnMenuDrag();
        return true;
    case WM_MENUGETOBJECT:
        result = MNGO_NOINTERFACE; // the menu takes no drops
        return true;
    default:
        return false;
    }
}

bool CServiceHost::OnMenuInput(const MSG& msg) {
    MenuInput input;
    input.message = msg.message;
    input.key = static_cast<unsigned>(msg.wParam);
    input.shift = GetKeyState(VK_SHIFT) < 0; // in step with the queue: Shift came before F10
    input.overEntry = msg.message == WM_RBUTTONUP && IsOverMenuEntry(msg.pt);
    if (!OpensContextMenu(input, m_service.m_nSelEntryId, m_service.m_hTrackedMenu != NO_MENU))
        return false;
    if (!m_bContextMenuPending) {
        m_bContextMenuPending = true;
        PostMessageA(Handle(), WM_PENDING_CONTEXT_MENU, 0, 0);
    }
    // The release goes on to the menus, which answer it with WM_MENURBUTTONUP where the
    // system has it (Wine does not). The keys are taken: F10 would close the menus.
    return msg.message != WM_RBUTTONUP;
}

void CServiceHost::OpenPendingContextMenu() {
    if (!m_bContextMenuPending)
        return;
    m_bContextMenuPending = false;
    if (m_service.m_pMainMenu) // not when the menu closed before this came through
        SendMessageA(Handle(), WM_COMMAND, 0, ID_OPEN_CONTEXT_MENU);
}

void CServiceHost::OnInitMenuPopup(HMENU popup) {
    if (m_service.m_hTrackedMenu == NO_MENU || !popup)
        return;
    MENUITEMINFOA first = {};
    first.cbSize = sizeof first;
    first.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(popup, 0, TRUE, &first))
        return;
    LOGFONTA font = {};
    std::string face;
    if (m_font.Get() && GetObjectA(m_font.Get(), sizeof font, &font))
        face = font.lfFaceName;
    m_service.OnInitMenuPopup(FromHmenu(popup), first.wID, first.hSubMenu != nullptr, face);
}

LRESULT CServiceHost::OnMenuDrag() {
    CClipItem* item = m_service.m_pSelItem;
    if (!item)
        return MND_CONTINUE;
    POINT at = {};
    GetCursorPos(&at);
    RenderedData data;
    const int32_t variant = PasteVariantOfKeys(m_input, m_keys);
    if (!RenderDragData(*item, variant, at.x, at.y, data))
        return MND_CONTINUE;
    m_service.m_pDragItem = item;
    const DragResult result = DragOut(data);
    m_service.m_pDragItem = nullptr;
    MenuDrop drop;
    drop.dropped = result.dropped;
    drop.overMenu = result.overMenu;
    drop.ctrlDown = GetKeyState(VK_CONTROL) < 0;
    m_service.FinishMenuDrag(item, drop);
    return MND_ENDMENU;
}
