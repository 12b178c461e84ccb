#pragma once
// The main menu as data: which entries exist, in which order, with which ids, and what
// each stands for. Built afresh for every opening; the Win32 side turns it into a real
// menu whose entries' item data point back here (or carry a tag, menu_ids.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/clip_item.h"

class IRegistryLists;

enum class EntryKind : uint8_t {
    Item,          // a clip item, in the active part or in a collection's submenu
    Collection,    // popup: an external collection
    TimePopup,     // popup "Time..."
    TimeEntry,     // one format of the current time
    UrlPopup,      // popup "URLs (typed)..."
    Url,           // a typed address
    OpenSavePopup, // popup "Documents (opened/saved)..." (shared, built at start-up)
    RecentPopup,   // popup "Documents (recent)..." (shared, built at start-up)
    FileTypePopup, // popup of one file type inside a documents submenu
    Document,      // a document
    // The top level of the item context menu.
    PasteAsPopup,
    PlayerPopup,
    SchedulerPopup,
    PreferencesPopup,
    Command,
};

struct MenuModel;

struct MenuEntry {
    EntryKind kind = EntryKind::Item;
    bool popup = false;
    // Drawn as an etched line along the top edge: the first entry of a group.
    bool groupMark = false;
    // Command id; 0 for popups (the system numbers a popup by its submenu handle).
    unsigned id = 0;
    // Item: the clip item. Collection: the collection node.
    CClipItem* item = nullptr;
    // Url: the address shown. Document: the full path (opened/saved) or the shortcut name
    // (recent). FileTypePopup: the registry subkey name. Collection: its caption.
    // Command: its caption.
    std::string text;
    // The entries of a popup built with this model; null for the shared documents popups.
    std::unique_ptr<MenuModel> submenu;
};

struct MenuModel {
    std::vector<MenuEntry> entries;
};

// The menu flags (MF_OWNERDRAW, MF_POPUP, MF_CHECKED) the entry is appended with.
unsigned MenuFlagsOf(const MenuEntry& entry);
// The tag the entry carries as item data, or false when it is identified by its address.
bool EntryTag(EntryKind kind, uintptr_t& tag);
// The popup kind a tag stands for; false for values that are no tag.
bool KindOfTag(uintptr_t tag, EntryKind& kind);

// What the main menu is built from.
struct MainMenuSources {
    const ClipList& active;
    const ClipList& collections;
    uint32_t options = 0;               // m_dwOptions: the extension switches
    IRegistryLists* registry = nullptr; // typed addresses; none without it
};

// The main menu: items of the active collection (ids 1..127), then the external collections
// as popups (at most 127; the first marked) of their first 127 items, then the extension popups
// that are switched on (the first present one marked). The two documents popups are appended as
// entries without a submenu: the Win32 side attaches the popups built at start-up.
MenuModel BuildMainMenu(const MainMenuSources& sources);

// The popup of the current time's six formats, ids 17408 upward.
std::unique_ptr<MenuModel> BuildTimeMenu();

// Entries of the model and of all its submenus.
size_t CountEntries(const MenuModel& model);
