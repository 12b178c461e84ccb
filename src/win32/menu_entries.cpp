#include "menu_entries.h"

#include <string>

#include "port/resources_win32.h"
#include "resource.h"
#include "ui/menu_ids.h"

namespace {
// The "Preferences" popup of menu 128 follows the six context popups.
constexpr int PREFERENCES_POPUP = 6;

ULONG_PTR ItemDataOf(const MenuEntry& entry) {
    uintptr_t tag;
    if (EntryTag(entry.kind, tag))
        return tag;
    return reinterpret_cast<ULONG_PTR>(&entry);
}

HMENU SharedPopupOf(const MenuEntry& entry, const SharedPopups& shared) {
    if (entry.kind == EntryKind::OpenSavePopup)
        return shared.openSave;
    if (entry.kind == EntryKind::RecentPopup)
        return shared.recent;
    return nullptr;
}

bool AppendEntry(HMENU menu, const MenuEntry& entry, const SharedPopups& shared) {
    const auto data = reinterpret_cast<LPCSTR>(ItemDataOf(entry));
    if (!entry.popup)
        return AppendMenuA(menu, MenuFlagsOf(entry), entry.id, data) != 0;
    HMENU popup = SharedPopupOf(entry, shared);
    UniqueMenu own;
    if (!popup) {
        own.Reset(CreatePopupMenu());
        if (!own || (entry.submenu && !AppendEntries(own.Get(), *entry.submenu, shared)))
            return false;
        popup = own.Get();
    }
    if (!AppendMenuA(menu, MenuFlagsOf(entry), reinterpret_cast<UINT_PTR>(popup), data))
        return false;
    own.Release(); // the menu owns it now
    return true;
}

// The kind of a context popup, told by the id of its first entry.
EntryKind ContextPopupKind(HMENU popup) {
    const UINT first = GetMenuItemID(popup, 0);
    if (first == static_cast<UINT>(-1) && GetSubMenu(popup, 0))
        return EntryKind::PreferencesPopup;
    if (first >= ID_PASTE_TEXT && first <= ID_PASTE_UNIX)
        return EntryKind::PasteAsPopup;
    if (first >= ID_PLAYER_STOP && first <= ID_PLAYER_SKIP)
        return EntryKind::PlayerPopup;
    if (first >= ID_SCHEDULER_START && first <= ID_SCHEDULE_EDIT)
        return EntryKind::SchedulerPopup;
    return EntryKind::Command; // a popup of a language's own menu: drawn by its text
}

std::string MenuText(HMENU menu, UINT position) {
    const int n = GetMenuStringA(menu, position, nullptr, 0, MF_BYPOSITION);
    if (n <= 0)
        return std::string();
    std::string text(static_cast<size_t>(n) + 1, '\0');
    GetMenuStringA(menu, position, &text[0], n + 1, MF_BYPOSITION);
    text.resize(static_cast<size_t>(n));
    return text;
}
} // namespace

bool AppendEntries(HMENU menu, const MenuModel& model, const SharedPopups& shared) {
    for (const MenuEntry& entry : model.entries)
        if (!AppendEntry(menu, entry, shared))
            return false;
    return true;
}

void ReleaseMainMenu(HMENU menu, const SharedPopups& shared) {
    if (!IsMenu(menu))
        return;
    for (int pos = 0; pos < GetMenuItemCount(menu);) {
        HMENU sub = GetSubMenu(menu, pos);
        if (sub && (sub == shared.openSave || sub == shared.recent))
            RemoveMenu(menu, static_cast<UINT>(pos), MF_BYPOSITION); // stays at `pos`
        else
            ++pos;
    }
}

void FreeEntryMenu(HMENU menu) {
    if (menu && IsMenu(menu))
        DestroyMenu(menu);
}

RealizedMenu::RealizedMenu(const MenuModel& model, const SharedPopups& shared)
    : m_shared(shared), m_menu(CreatePopupMenu()) {
    if (m_menu && !AppendEntries(m_menu.Get(), model, shared)) {
        ReleaseMainMenu(m_menu.Get(), m_shared);
        m_menu.Reset();
    }
}

RealizedMenu::~RealizedMenu() {
    if (m_menu)
        ReleaseMainMenu(m_menu.Get(), m_shared);
}

const MenuEntry* EntryOfItemData(ULONG_PTR data, MenuEntry& scratch) {
    if (data <= TAG_LAST) {
        EntryKind kind;
        if (!KindOfTag(data, kind))
            return nullptr;
        scratch = MenuEntry();
        scratch.kind = kind;
        scratch.popup = true;
        return &scratch;
    }
    return reinterpret_cast<const MenuEntry*>(data);
}

ContextMenu::ContextMenu(int index, bool paused, bool schedulerOn) : m_resource(LoadUiMenu()) {
    if (!m_resource || index < 0 || index >= PREFERENCES_POPUP)
        return;
    m_popup = GetSubMenu(m_resource.Get(), index);
    if (!m_popup)
        return;
    AttachPreferences();
    DeleteMenu(m_popup, paused ? ID_PAUSE_SERVICE : ID_CONTINUE_SERVICE, MF_BYCOMMAND);
    DeleteMenu(m_popup, schedulerOn ? ID_SCHEDULER_START : ID_SCHEDULER_STOP, MF_BYCOMMAND);
    MakeOwnerDrawn();
}

void ContextMenu::AttachPreferences() {
    HMENU prefs = GetSubMenu(m_resource.Get(), PREFERENCES_POPUP);
    if (!prefs)
        return;
    // Out of the resource's top level first, so that it is destroyed once, with the popup.
    RemoveMenu(m_resource.Get(), PREFERENCES_POPUP, MF_BYPOSITION);
    UniqueMenu owned(prefs);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = prefs;
    if (SetMenuItemInfoA(m_popup, ID_PREFERENCES, FALSE, &info))
        owned.Release();
}

void ContextMenu::MakeOwnerDrawn() {
    const int count = GetMenuItemCount(m_popup);
    if (count <= 0)
        return;
    // Every entry is made before any address is handed out: the vector must not move.
    m_entries.entries.resize(static_cast<size_t>(count));
    for (int pos = 0; pos < count; ++pos) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(m_popup, static_cast<UINT>(pos), TRUE, &info) ||
            (info.fType & MFT_SEPARATOR))
            continue;
        MenuEntry& entry = m_entries.entries[static_cast<size_t>(pos)];
        entry.popup = info.hSubMenu != nullptr;
        entry.kind = entry.popup ? ContextPopupKind(info.hSubMenu) : EntryKind::Command;
        entry.id = entry.popup ? 0 : info.wID;
        entry.text = MenuText(m_popup, static_cast<UINT>(pos));
        // Changing type and data only: the entry keeps its id and its submenu.
        MENUITEMINFOA owner = {};
        owner.cbSize = sizeof owner;
        owner.fMask = MIIM_FTYPE | MIIM_DATA;
        owner.fType = MFT_OWNERDRAW;
        owner.dwItemData = ItemDataOf(entry);
        SetMenuItemInfoA(m_popup, static_cast<UINT>(pos), TRUE, &owner);
    }
}
