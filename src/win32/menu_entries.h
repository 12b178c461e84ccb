#pragma once
// Real menus made from menu models: every entry owner-drawn, its item data the address of
// its MenuEntry or, for the popups that carry none, a tag. The models own all texts, so a
// menu needs no clean-up of item data: only the shared documents popups must be taken out
// before it is destroyed.
#include <windows.h>

#include "handles.h"
#include "ui/menu_model.h"

// The two documents popups built at start-up and reused by every main menu.
struct SharedPopups {
    HMENU openSave = nullptr;
    HMENU recent = nullptr;
};

// Appends the model's entries to `menu`: popups get new submenus, except the documents
// popups, which are the shared ones (an empty popup stands in when one was not built).
// False when the system refused an entry; what was appended stays.
bool AppendEntries(HMENU menu, const MenuModel& model, const SharedPopups& shared);

// Takes the shared documents popups out of `menu`, so that destroying it leaves them.
void ReleaseMainMenu(HMENU menu, const SharedPopups& shared);

// Destroys a popup and its submenus.
void FreeEntryMenu(HMENU menu);

// A main menu that owns its popup: made from a model, released and destroyed when it goes.
class RealizedMenu {
public:
    RealizedMenu(const MenuModel& model, const SharedPopups& shared);
    ~RealizedMenu();
    RealizedMenu(const RealizedMenu&) = delete;
    RealizedMenu& operator=(const RealizedMenu&) = delete;
    HMENU Get() const { return m_menu.Get(); }

private:
    SharedPopups m_shared;
    UniqueMenu m_menu;
};

// The entry an owner-drawn entry stands for. For a tag, `scratch` is made to describe the
// popup and returned. Null for item data that is neither.
const MenuEntry* EntryOfItemData(ULONG_PTR data, MenuEntry& scratch);

// One popup of the context menus (menu 128 of the language in force), ready to be tracked:
// the Preferences popup attached to its "Preferences" entry, the entries that do not apply
// left out, its top level owner-drawn.
class ContextMenu {
public:
    // Popup index: 0 application, 1 item, 2 collection, 3 extension, 4 time, 5 document.
    ContextMenu(int index, bool paused, bool schedulerOn);
    ContextMenu(const ContextMenu&) = delete;
    ContextMenu& operator=(const ContextMenu&) = delete;
    // Null when menu 128 or the popup does not exist.
    HMENU Popup() const { return m_popup; }
    const MenuModel& Entries() const { return m_entries; }

private:
    void AttachPreferences();
    void MakeOwnerDrawn();

    UniqueMenu m_resource;
    HMENU m_popup = nullptr;
    MenuModel m_entries;
};
