// Menu models as real menus: flags and item data as the drawing expects them, the shared
// documents popups surviving each main menu, and the context menus of menu 128.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_registry_lists.h"
#include "handles.h"
#include "menu_draw.h"
#include "menu_entries.h"
#include "resource.h"
#include "store/preferences.h"
#include "ui/menu_ids.h"
#include "ui/menu_model.h"
#include "ui/menu_rules.h"

namespace {
MENUITEMINFOA InfoAt(HMENU menu, int pos) {
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii);
    return mii;
}
} // namespace

// A main menu with items, a collection with an item and an empty one, and all four
// extension popups.
TEST(MenuWin32, EntriesAreOwnerDrawnAndTheDocumentsPopupsOutliveEveryMainMenu) {
    ClipList active, collections;
    for (const char* t : {"first text", "second text"})
        active.push_back(CClipItem::FromText(t));
    collections.push_back(CClipItem::NewCollection("Letters"));
    collections.back()->children.push_back(CClipItem::FromText("+2Pass %u"));
    collections.back()->children.back()->owner = collections.back().get();
    collections.push_back(CClipItem::NewCollection("Empty"));
    FakeRegistryLists systemLists;
    const uint32_t all = OPT_EXT_TIME | OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE | OPT_EXT_DOCS_RECENT;
    const MenuModel model = BuildMainMenu({active, collections, all, &systemLists});
    // The documents popups: a file-type popup with one document, built as at start-up.
    MenuEntry type;
    type.kind = EntryKind::FileTypePopup;
    type.popup = true;
    type.text = "txt";
    type.submenu = std::make_unique<MenuModel>();
    MenuEntry doc;
    doc.kind = EntryKind::Document;
    doc.id = ID_DOC_FIRST;
    doc.text = "C:\\notes\\plan.txt";
    type.submenu->entries.push_back(std::move(doc));
    MenuModel documents;
    documents.entries.push_back(std::move(type));
    UniqueMenu sharedOpenSave(CreatePopupMenu()), sharedRecent(CreatePopupMenu());
    ASSERT_TRUE(AppendEntries(sharedOpenSave.Get(), documents, SharedPopups()));

    HMENU time = nullptr;
    for (int round = 0; round < 2; ++round) {
        RealizedMenu menu(model, {sharedOpenSave.Get(), sharedRecent.Get()});
        ASSERT_EQ(GetMenuItemCount(menu.Get()), 8);
        for (int pos = 0; pos < 8; ++pos) {
            const MENUITEMINFOA e = InfoAt(menu.Get(), pos);
            const MenuEntry& m = model.entries[static_cast<size_t>(pos)];
            EXPECT_TRUE(e.fType & MFT_OWNERDRAW) << pos;
            // The drawing finds the group mark by the entry's id, a popup's id its handle.
            bool checked = false;
            ProbeMenuEntry(menu.Get(), e.hSubMenu ? UINT(UINT_PTR(e.hSubMenu)) : e.wID, nullptr,
                           checked);
            EXPECT_EQ(checked, m.groupMark) << pos;
            uintptr_t tag;
            EXPECT_EQ(e.dwItemData, EntryTag(m.kind, tag) ? tag : reinterpret_cast<ULONG_PTR>(&m))
                << pos;
        }
        // The documents popups are the ones built at start-up, not copies.
        EXPECT_EQ(InfoAt(menu.Get(), 6).hSubMenu, sharedOpenSave.Get());
        EXPECT_EQ(InfoAt(menu.Get(), 7).hSubMenu, sharedRecent.Get());
        time = InfoAt(menu.Get(), 4).hSubMenu;
    }
    EXPECT_FALSE(IsMenu(time)) << "the time popup goes with its menu";
    ASSERT_TRUE(IsMenu(sharedRecent.Get()));
    EXPECT_EQ(GetMenuItemID(GetSubMenu(sharedOpenSave.Get(), 0), 0), ID_DOC_FIRST);
}

// (That the popups are owner-drawn and swap "Pause service" for "Continue service", the
// end-to-end scripts show on the item's.)
TEST(ContextMenus, EveryPopupHasPreferencesAndTheSchedulerCommandThatApplies) {
    for (int index = 0; index <= 5; ++index) {
        ContextMenu menu(index, false, false);
        ASSERT_NE(menu.Popup(), nullptr) << index;
        int count = 0;
        for (int pos = 0; pos < GetMenuItemCount(menu.Popup()); ++pos) {
            const MENUITEMINFOA e = InfoAt(menu.Popup(), pos);
            if (e.wID != ID_PREFERENCES)
                continue;
            count = GetMenuItemCount(e.hSubMenu);
            EXPECT_EQ(e.dwItemData, TAG_PREFERENCES) << index;
        }
        EXPECT_EQ(count, 12) << "popup " << index << ": ten submenus, separator, About";
    }
    ContextMenu on(CONTEXT_ITEM, true, true);
    EXPECT_EQ(GetMenuState(on.Popup(), ID_SCHEDULER_START, MF_BYCOMMAND), UINT(-1));
    EXPECT_NE(GetMenuState(on.Popup(), ID_SCHEDULER_STOP, MF_BYCOMMAND), UINT(-1));
    EXPECT_EQ(ContextMenu(6, false, false).Popup(), nullptr);
}
