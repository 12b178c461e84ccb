#include "app/menu_tracking.h"

#include "app/collection_store.h"
#include "app/hot_window_keeper.h"
#include "app/item_edits.h"
#include "app/paste_target.h"
#include "platform/menu_host.h"
#include "platform/service_window.h"
#include "platform/system.h"
#include "resource.h"
#include "store/collections.h"
#include "store/temp_files.h"
#include "ui/main_menu.h"
#include "ui/menu_model.h"
#include "ui/menu_rules.h"

namespace {
MenuPoint ToMenuPoint(const ScreenPoint& p) {
    return {p.x, p.y};
}

ScreenPoint ToScreenPoint(const MenuPoint& p) {
    ScreenPoint s;
    s.x = p.x;
    s.y = p.y;
    return s;
}

// The item's position in the list that holds it (its collection's, or the active list).
size_t PositionOf(const ClipList& active, const CClipItem* item) {
    const ClipList& list = item->owner ? item->owner->children : active;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == item)
            return i;
    return list.size();
}
} // namespace

void CMenuTracking::OpenMainMenu() {
    if (m_state.m_pMainMenu)
        return;
    // A highlight of an earlier menu may name an item that has gone since.
    m_state.m_nSelEntryId = -1;
    m_state.m_pSelItem = nullptr;
    m_state.m_strSelPath.clear();
    m_cuts.HoldCuts();
    ShowMainMenu();
    m_cuts.ReleaseCutsLater();
}

void CMenuTracking::ShowMainMenu() {
    DeleteUnusedTempFiles();
    CMainMenu menu(BuildMainMenu({m_state.m_activeList, m_state.m_collectionList,
                                  m_state.m_dwOptions, &m_ports.systemLists}));
    if (menu.Model().entries.empty()) {
        OpenContextMenu(); // nothing to choose from: the application menu instead
        return;
    }
    const MenuPoint at =
        MenuPosition(ToMenuPoint(m_state.m_ptMenu), ToMenuPoint(m_ports.input.CursorPos()));
    m_state.m_ptMenu = ToScreenPoint(ForgottenPosition(at));

    m_hotWnd.HideForMenu();
    m_target.FocusForMenu();
    m_state.m_pMainMenu = &menu;
    const unsigned id = m_ports.menus.TrackMainMenu(menu, at.x, at.y);
    m_target.EndMenuFocus();
    m_state.m_pMainMenu = nullptr;
    if (m_state.m_hWnd == NO_WINDOW) // closed from a context menu meanwhile
        return;
    m_hotWnd.ShowAfterMenu();
    if (id)
        m_ports.window.PostCommand(id, m_state.m_nPendingCmd);
    else if (m_state.m_nPendingCmd && m_state.m_pSelItem)
        m_ports.window.PostCommand(0, m_state.m_nPendingCmd);
}

void CMenuTracking::OpenContextMenu() {
    if (m_state.m_hTrackedMenu != NO_MENU) // a right click inside a context menu
        m_ports.menus.CancelMenus();
    const int32_t entryId = m_state.m_nSelEntryId;
    CClipItem* const item = m_state.m_pSelItem;
    const std::string path = m_state.m_strSelPath;
    m_state.m_bAppMenu = 0;
    const ContextPopup popup = ContextPopupFor(entryId);
    if (popup == CONTEXT_NONE)
        return;
    if (popup == CONTEXT_APP)
        m_state.m_bAppMenu = 1;
    DeleteUnusedTempFiles();

    m_cuts.HoldCuts();
    m_target.FocusForMenu();
    m_state.m_nPendingCmd = 0;
    const unsigned command = m_ports.menus.TrackContextMenu(
        popup, (m_state.m_dwState & ST_PAUSED) != 0, (m_state.m_dwOptions & OPT_SCHEDULER_ON) != 0,
        m_state.m_hTrackedMenu);
    m_target.EndMenuFocus();
    m_state.m_hTrackedMenu = NO_MENU;
    m_state.m_nPendingCmd = static_cast<int32_t>(command);
    if (m_state.m_hWnd == NO_WINDOW)
        return;
    if (command || m_hotWnd.HasOwnMenuOpen())
        m_ports.menus.CancelMenus(); // the main menu (or the hot-menu's popup) closes too
    if (command)
        RunContextCommand(command, entryId, item, path);
    m_cuts.ReleaseCutsLater();
}

void CMenuTracking::RunContextCommand(unsigned command, int32_t entryId, CClipItem* item,
                                      const std::string& path) {
    if (m_commands.OnServiceCommand(command)) { // pause, continue, scheduler start and stop
        m_state.m_nPendingCmd = 0;
        return;
    }
    if (command >= ID_HOT_STYLE_FIRST && command <= ID_HOT_STYLE_LAST) {
        // Once the menus have closed: the hot-menu being replaced may be tracking one of them.
        m_state.m_nPendingCmd = 0;
        m_ports.window.PostCommand(0, static_cast<intptr_t>(command));
        return;
    }
    switch (command) {
    case ID_CLOSE:
        m_state.m_nPendingCmd = 0;
        m_commands.Close();
        return;
    case ID_CAMERA:
        // After the menus have closed: the Camera is no part of the menu's loop.
        m_state.m_nPendingCmd = 0;
        m_ports.window.PostCommand(0, ID_CAMERA);
        return;
    case ID_EDIT:
        // Starts the editor and returns: the program goes on while the editor runs.
        m_state.m_nPendingCmd = 0;
        if (m_state.m_pItemEdits && item && entryId > 0)
            m_state.m_pItemEdits->Start(*item, static_cast<unsigned>(entryId), m_state.m_hWnd);
        return;
    default:
        // Item and collection commands, the Preferences entries that run once the menus
        // have closed, paste variants, HTML, Print, Run, the player, schedule Edit, "Save
        // and refresh": the dispatcher acts on the entry the menu was opened for.
        m_state.m_pSelItem = item;
        m_state.m_strSelPath = path;
        m_ports.window.PostCommand(static_cast<uintptr_t>(static_cast<uint32_t>(entryId)),
                                   static_cast<intptr_t>(command));
        m_state.m_nPendingCmd = 0;
        return;
    }
}

void CMenuTracking::ReopenMainMenu() {
    if (m_state.m_bAppMenu)
        return;
    if (m_hotWnd.IsHotMenu()) { // it shows the menu itself
        m_hotWnd.Refresh();
        return;
    }
    m_state.m_ptMenu = ToScreenPoint(RememberedPosition(ToMenuPoint(m_state.m_ptMenu)));
    m_ports.window.PostCommand(0, ID_OPEN_MAIN_MENU);
}

void CMenuTracking::SaveAndReload() {
    m_ports.menus.CancelMenus();
    m_busy.SetBusy(true);
    // The items are about to be replaced: nothing may point at the old ones, and the cuts
    // held meanwhile are saved with the rest.
    m_state.m_pSelItem = nullptr;
    m_state.m_pDragItem = nullptr;
    m_cuts.AdmitHeldCuts();
    m_ports.store.SaveAndReload(m_state);
    m_busy.SetBusy(false);
    m_hotWnd.Refresh();
}

MenuHighlight CMenuTracking::Highlight() const {
    MenuHighlight h;
    h.contextMenu = m_state.m_hTrackedMenu != NO_MENU;
    h.selId = m_state.m_nSelId;
    h.entryId = m_state.m_nSelEntryId;
    h.item = m_state.m_pSelItem;
    return h;
}

intptr_t CMenuTracking::OnMenuChar(unsigned ch, int itemCount) {
    const MenuCharAnswer answer =
        MenuCharAction(ch, m_state.m_nSelEntryId, m_state.m_hTrackedMenu != NO_MENU, itemCount);
    if (answer.queuedCommand)
        m_state.m_nQueuedCmd = answer.queuedCommand;
    return answer.result;
}

void CMenuTracking::OnMenuSelect(unsigned id, MenuHandle menu) {
    if (m_state.m_hTrackedMenu == NO_MENU)
        return;
    m_state.m_nSelId = id ? static_cast<int32_t>(id) : -1;
    m_state.m_hSelMenu = menu;
}

bool CMenuTracking::FinishMenuDrag(CClipItem* dragged, const MenuDrop& drop) {
    // Only a drop on the menu itself rearranges it: what another program took, or a drag
    // given up with Esc, leaves the collections alone.
    if (!dragged || !drop.dropped || !drop.overMenu || m_state.m_nSelEntryId == -1)
        return false;
    const bool copy = drop.ctrlDown;
    bool changed = false;
    if (m_state.m_nSelEntryId == ID_STATUS_COLLECTION) {
        changed = DropOnCollection(m_state.m_activeList, m_state.m_collectionList, dragged,
                                   m_state.m_strSelPath, copy);
    } else if (m_state.m_pSelItem) {
        CClipItem* target = m_state.m_pSelItem;
        changed =
            DropOnItem(m_state.m_activeList, dragged, PositionOf(m_state.m_activeList, dragged),
                       target, PositionOf(m_state.m_activeList, target), copy);
    }
    if (changed) {
        m_state.m_pSelItem = nullptr; // a moved item may have been the highlighted one
        m_ports.window.PostCommand(0, ID_SAVE_AND_RELOAD);
    }
    return changed;
}

void CMenuTracking::DeleteUnusedTempFiles() {
    DeleteTempFiles(m_state.m_pItemEdits ? m_state.m_pItemEdits->Files()
                                         : std::vector<std::string>());
}
