// The service window's messages while a menu is open: owner drawing, typed keys, the
// highlight of context menus, tips, right clicks and drags out of the main menu.
#include "app/dispatch.h"
#include "app/drag_data.h"
#include "menu_draw.h"
#include "menu_drag.h"
#include "resource.h"
#include "service_host.h"

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
        if (m_service.m_hTrackedMenu &&
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
    case WM_RBUTTONDOWN:
        SendMessageA(Handle(), WM_COMMAND, 0, ID_OPEN_CONTEXT_MENU);
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
